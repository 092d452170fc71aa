// Small PNG and JPEG files made in the tests with libpng and libjpeg, so the
// decoders are checked against the reference encoders.
#pragma once

#include <QColor>
#include <string>

namespace tavisk::test {

// A width x height PNG filled with colour; colour type RGBA when alpha is
// wanted, else RGB. Interlaced on request.
std::string MakePng(int width, int height, QColor colour, bool alpha, bool interlaced = false);

// A PNG whose header claims width x height but holds no pixel data.
std::string MakePngHeaderOnly(unsigned width, unsigned height);

// png with one more chunk right after its header: the chunk's length field
// says declaredLength, its data is data (shorter when the claim is a lie),
// and its CRC is right for what is there.
std::string InsertPngChunk(const std::string& png, const char type[4], unsigned declaredLength,
                           const std::string& data);

// A width x height baseline JPEG filled with colour (quality 95).
std::string MakeJpeg(int width, int height, QColor colour);

// A baseline JPEG whose frame header claims width x height (at most 65535
// each, all a JPEG header can say), cut right after its scan header.
std::string MakeJpegHeaderOnly(unsigned width, unsigned height);

}  // namespace tavisk::test
