// PNG and JPEG bytes: any input decodes to a picture within the side limit
// or to nothing, never to a crash, a leak or a huge allocation.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/picture_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QImage image =
      tavisk::DecodePicture(std::string_view(reinterpret_cast<const char*>(data), size));
  if (image.isNull()) return 0;
  if (image.width() < 1 || image.height() < 1 ||
      static_cast<unsigned>(image.width()) > tavisk::kMaxPictureSide ||
      static_cast<unsigned>(image.height()) > tavisk::kMaxPictureSide ||
      image.format() != QImage::Format_ARGB32_Premultiplied) {
    __builtin_trap();
  }
  return 0;
}
