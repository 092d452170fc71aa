#include "document/picture_loader.h"

#include "platform/file_io.h"
#include "platform/picture_decoder.h"

namespace tavisk {

int64_t LoadPicture(EditorContext& ctx, int64_t id, const std::string& path) {
  if (FileSize(path) < 1) {
    ctx.Req->Message("Error", "The file doesn't exists :  " + path, MessageIcon::Error);
    return -1;
  }
  std::string bytes;
  QImage image;
  if (ReadWholeFile(path, bytes)) image = DecodePicture(bytes);
  if (image.isNull()) {
    ctx.Req->Message("Error", "Unable to load the file " + path, MessageIcon::Error);
    return 0;
  }
  if (id > 0 && ctx.Pictures.Replace(id, image)) return id;
  return ctx.Pictures.Add(std::move(image));
}

}  // namespace tavisk
