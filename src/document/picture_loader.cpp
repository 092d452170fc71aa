#include "document/picture_loader.h"

#include <filesystem>
#include <unordered_set>

#include "platform/file_io.h"
#include "platform/picture_decoder.h"

namespace tavisk {

namespace {

// Shapes naming the same unchanged file share its pixels; a file rewritten
// since it was decoded (another size or time) is decoded anew.
std::string FileKey(const std::string& path, int64_t size) {
  std::error_code error;
  const auto written = std::filesystem::last_write_time(path, error);
  return path + '\n' + std::to_string(size) + '\n' +
         std::to_string(error ? 0 : written.time_since_epoch().count());
}

// Room for bytes more decoded pixels. Pictures of shapes that are gone (a
// document replaced, shapes deleted) make room first; the budget is
// reported once a batch, and the rest of the batch only refuses.
bool MakeRoom(EditorContext& ctx, const std::string& key, const std::string& path,
              int64_t bytes) {
  PictureStore& store = ctx.Pictures;
  const auto fits = [&store, bytes] { return store.DecodedBytes() + bytes <= store.Budget(); };
  if (fits()) return true;
  if (!store.BudgetMetInBatch()) {
    std::unordered_set<int64_t> used;
    for (const sShape& shape : ctx.Clipboard.Shape) used.insert(shape.Image);
    for (const sObject& object : ctx.Obj) {
      for (const sShape& shape : object.Shape) used.insert(shape.Image);
    }
    const auto inUse = [&used](int64_t handle) { return used.count(handle) != 0; };
    store.ReleaseUnused(inUse);
    if (fits()) return true;
    ctx.Req->Message("Error",
                     "The pictures take more than " + std::to_string(store.Budget() >> 20) +
                         " MB: " + path +
                         " and any further picture past that are shown as grey boxes. "
                         "Their file names are kept in the document.",
                     MessageIcon::Error);
  }
  store.Refuse(key);
  return false;
}

}  // namespace

int64_t LoadPicture(EditorContext& ctx, int64_t id, const std::string& path) {
  const int64_t size = FileSize(path);
  if (size < 1) {
    ctx.Req->Message("Error", "The file doesn't exists :  " + path, MessageIcon::Error);
    return -1;
  }
  PictureStore& store = ctx.Pictures;
  const std::string key = FileKey(path, size);
  if (store.Refused(key)) return store.Placeholder();
  QImage image;
  if (const QImage* decoded = store.Decoded(key)) {
    image = *decoded;
  } else {
    std::string bytes;
    if (ReadWholeFile(path, bytes)) {
      // The header's claim is checked first: a small file must not take a
      // gigabyte only to be refused.
      const std::optional<QSize> claimed = PictureSize(bytes);
      const int64_t claimedBytes =
          claimed ? int64_t{4} * claimed->width() * claimed->height() : 0;
      if (!MakeRoom(ctx, key, path, claimedBytes)) return store.Placeholder();
      image = DecodePicture(bytes);
    }
    if (image.isNull()) {
      ctx.Req->Message("Error", "Unable to load the file " + path, MessageIcon::Error);
      return 0;
    }
    if (!store.KeepDecoded(key, image) &&
        !(MakeRoom(ctx, key, path, image.sizeInBytes()) && store.KeepDecoded(key, image))) {
      return store.Placeholder();
    }
  }
  if (id > 0 && store.Replace(id, image)) return id;
  return store.Add(std::move(image));
}

}  // namespace tavisk
