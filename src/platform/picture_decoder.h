// Decodes PNG and JPEG pictures held in memory, the codec chosen by the
// signature bytes, never by a file name.
#pragma once

#include <QImage>
#include <QSize>
#include <optional>
#include <string_view>

namespace tavisk {

// Pictures whose header claims a larger side are refused before any pixel
// memory is allocated.
inline constexpr unsigned kMaxPictureSide = 16384;

// A Format_ARGB32_Premultiplied image; a null image when the bytes are not a
// complete PNG or JPEG picture.
QImage DecodePicture(std::string_view bytes);

// The size a PNG or JPEG picture's header claims, read without decoding a
// pixel, so that a picture too large for what is left of a budget can be
// refused before its memory is taken; nullopt when no header is found.
std::optional<QSize> PictureSize(std::string_view bytes);

}  // namespace tavisk
