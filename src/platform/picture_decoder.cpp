#include "platform/picture_decoder.h"

#include <algorithm>

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

unsigned BigEndian(std::string_view bytes, size_t at, size_t count) {
  unsigned value = 0;
  for (size_t i = 0; i < count; ++i) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

// IHDR is the first chunk: width and height right after its type.
std::optional<QSize> PngSize(std::string_view bytes) {
  if (bytes.size() < 24 || bytes.substr(12, 4) != "IHDR") return std::nullopt;
  return QSize(static_cast<int>(std::min(BigEndian(bytes, 16, 4), 1u << 30)),
               static_cast<int>(std::min(BigEndian(bytes, 20, 4), 1u << 30)));
}

// Walks the marker segments up to the first start-of-frame, which holds the
// height and width.
std::optional<QSize> JpegSize(std::string_view bytes) {
  size_t at = 2;
  while (at + 9 <= bytes.size()) {
    if (static_cast<unsigned char>(bytes[at]) != 0xFF) return std::nullopt;
    const unsigned marker = static_cast<unsigned char>(bytes[at + 1]);
    if (marker == 0xFF) {
      ++at;
      continue;
    }
    const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 &&
                       marker != 0xCC;
    if (frame) {
      return QSize(static_cast<int>(BigEndian(bytes, at + 7, 2)),
                   static_cast<int>(BigEndian(bytes, at + 5, 2)));
    }
    at += 2 + BigEndian(bytes, at + 2, 2);
  }
  return std::nullopt;
}

}  // namespace

std::optional<QSize> PictureSize(std::string_view bytes) {
  if (HasPngSignature(bytes)) return PngSize(bytes);
  if (HasJpegSignature(bytes)) return JpegSize(bytes);
  return std::nullopt;
}

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
