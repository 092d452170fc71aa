// Text outlines are slow to build (tens of microseconds per text), so each
// one is built once per text, font and size and kept. Outlines are large (a
// few kilobytes per character), so the cache holds at most a budget of
// bytes and lets the least recently used go first.
#pragma once

#include <QFont>
#include <QPainterPath>
#include <cstddef>
#include <cstdint>
#include <list>
#include <string>
#include <unordered_map>

namespace tavisk {

// The font texts are outlined in: a face, style flags (document/font_store.h)
// and a size in whole pixels, unhinted.
QFont OutlineFont(const std::string& face, int64_t style, int pixels);

class TextPathCache {
 public:
  static constexpr size_t kDefaultBudgetBytes = 32 * 1024 * 1024;

  explicit TextPathCache(size_t budgetBytes = kDefaultBudgetBytes) : budget_(budgetBytes) {}
  TextPathCache(const TextPathCache&) = delete;
  TextPathCache& operator=(const TextPathCache&) = delete;

  // The outline of text in font, top-left at (0, 0), even-odd. fontKey names
  // font uniquely (face, size and style). Valid until the next call.
  const QPainterPath& Get(const std::string& fontKey, const QFont& font, const std::string& text);
  // What the kept outlines cost, by the same estimate the budget uses.
  size_t Bytes() const { return bytes_; }

 private:
  struct Entry {
    QPainterPath path;
    size_t bytes;
    std::list<std::string>::iterator use;  // place in uses_
  };

  const size_t budget_;
  size_t bytes_ = 0;
  std::unordered_map<std::string, Entry> paths_;
  std::list<std::string> uses_;  // keys, least recently used first
};

}  // namespace tavisk
