// JPEG pictures through libjpeg-turbo.
#pragma once

#include <QImage>
#include <string_view>

namespace tavisk {

// A Format_ARGB32 image of the JPEG in bytes; a null image on any failure.
QImage DecodeJpeg(std::string_view bytes);

}  // namespace tavisk
