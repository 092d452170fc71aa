// PNG pictures through libpng.
#pragma once

#include <QImage>
#include <string_view>

namespace tavisk {

// A Format_ARGB32 image of the PNG in bytes; a null image on any failure.
QImage DecodePng(std::string_view bytes);

}  // namespace tavisk
