// PNG encoding with libpng: 8-bit RGBA with straight (not premultiplied)
// alpha, written through a temporary file that replaces the target whole.
#pragma once

#include <string>

class QImage;

namespace tavisk {

enum class PngCompression {
  // Quick zlib settings chosen for large, mostly flat drawings.
  Fast,
  // libpng's own defaults; kept to measure Fast against.
  LibraryDefault,
};

// False when the image is empty or the file cannot be written; the previous
// file at path is then left as it was.
bool WritePng(const std::string& path, const QImage& image,
              PngCompression compression = PngCompression::Fast);

// The PNG file's bytes in memory; empty when the image is empty.
std::string EncodePng(const QImage& image, PngCompression compression = PngCompression::Fast);

}  // namespace tavisk
