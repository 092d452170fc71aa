#include "platform/picture_decoder.h"

#include "platform/jpeg_decoder.h"
#include "platform/png_decoder.h"

namespace tavisk {

namespace {

bool HasPngSignature(std::string_view bytes) {
  return bytes.substr(0, 8) == std::string_view("\x89PNG\r\n\x1a\n", 8);
}

bool HasJpegSignature(std::string_view bytes) {
  return bytes.substr(0, 3) == "\xFF\xD8\xFF";
}

}  // namespace

QImage DecodePicture(std::string_view bytes) {
  QImage image;
  if (HasPngSignature(bytes)) {
    image = DecodePng(bytes);
  } else if (HasJpegSignature(bytes)) {
    image = DecodeJpeg(bytes);
  }
  if (!image.isNull()) image.convertTo(QImage::Format_ARGB32_Premultiplied);
  return image;
}

}  // namespace tavisk
