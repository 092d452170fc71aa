// JPEG encoding with libjpeg-turbo, for the layer pictures of the object
// panel: 8-bit RGB, the image laid over white (JPEG keeps no alpha), written
// through a temporary file that replaces the target whole.
#pragma once

#include <string>

class QImage;

namespace tavisk {

// quality 1 to 100. False when the image is empty or the file cannot be
// written; the previous file at path is then left as it was.
bool WriteJpeg(const std::string& path, const QImage& image, int quality);

}  // namespace tavisk
