// Pictures loaded for image shapes and icons, named by handles 1, 2, ...
// A file's decoded pixels are held once, however many handles show them
// (QImage shares its pixels between copies), and all decoded pixels
// together stay within a byte budget: a document can name a small file that
// decodes to a gigabyte as often as it likes.
#pragma once

#include <QImage>
#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace tavisk {

// The decoded pixels of every picture together: 768 MiB, so that the
// editor stays under a gigabyte whatever a document names. The largest
// square picture that fits alone is about 14,000 pixels a side.
inline constexpr int64_t kPictureBudgetBytes = int64_t{768} << 20;

class PictureStore {
 public:
  explicit PictureStore(int64_t budgetBytes = kPictureBudgetBytes) : budget_(budgetBytes) {}

  int64_t Add(QImage image);
  // Replaces the picture of an existing handle; false when it names none.
  bool Replace(int64_t handle, QImage image);
  // nullptr for 0, -1, every handle that names no picture and every
  // released one.
  const QImage* Get(int64_t handle) const;

  // The pixels decoded from the file that key names (its path and what
  // tells a changed file apart), or nullptr.
  const QImage* Decoded(const std::string& key) const;
  // Holds the pixels for key; false, holding nothing, when they would take
  // the decoded pixels past the budget.
  bool KeepDecoded(const std::string& key, const QImage& image);
  int64_t DecodedBytes() const { return decodedBytes_; }
  int64_t Budget() const { return budget_; }

  // Empties every handle that inUse rejects (the placeholder's excepted),
  // then lets go of the decoded pixels no handle shows any more; true when
  // that freed pixels.
  bool ReleaseUnused(const std::function<bool(int64_t handle)>& inUse);

  // The handle of a grey picture that stands in for any picture past the
  // budget; one handle for them all.
  int64_t Placeholder();
  bool IsPlaceholder(int64_t handle) const { return handle > 0 && handle == placeholder_; }

  // A load of many pictures (a document, a pick of the image tool) starts
  // here: files refused for the budget are tried again, and the budget may
  // be reported again once.
  void StartBatch();
  // Files refused in this batch, so that shapes naming them are not decoded
  // again only to be refused again.
  void Refuse(const std::string& key) { refused_.insert(key); }
  bool Refused(const std::string& key) const { return refused_.count(key) != 0; }
  // The first refusal of a batch frees what it can and tells the user; the
  // ones after it only refuse.
  bool BudgetMetInBatch() const { return !refused_.empty(); }

 private:
  std::vector<QImage> pictures_;
  std::unordered_map<std::string, QImage> decoded_;
  std::unordered_set<std::string> refused_;
  int64_t decodedBytes_ = 0;
  int64_t budget_;
  int64_t placeholder_ = 0;
};

}  // namespace tavisk
