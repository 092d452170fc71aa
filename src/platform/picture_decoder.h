// Decodes PNG and JPEG pictures held in memory, the codec chosen by the
// signature bytes, never by a file name.
#pragma once

#include <QImage>
#include <string_view>

namespace tavisk {

// Pictures whose header claims a larger side are refused before any pixel
// memory is allocated.
inline constexpr unsigned kMaxPictureSide = 16384;

// A Format_ARGB32_Premultiplied image; a null image when the bytes are not a
// complete PNG or JPEG picture.
QImage DecodePicture(std::string_view bytes);

}  // namespace tavisk
