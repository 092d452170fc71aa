// The small pieces of SVG text: numbers, colours, opacities, matrices and
// escaped XML text.
#pragma once

#include <QRgb>
#include <QTransform>
#include <string>

namespace tavisk {

// At most three decimals, no trailing zeros, "0" for minus zero.
std::string SvgNumber(double value);

// "#rrggbb" of a colour (its alpha is left out).
std::string SvgColour(QRgb colour);

// The opacity of an alpha 0..255, "" when fully opaque.
std::string SvgOpacity(int alpha);

// "matrix(a b c d e f)".
std::string SvgMatrix(const QTransform& transform);

// Text for a double-quoted XML attribute value or element content: valid
// UTF-8 (invalid bytes become U+FFFD), the markup characters escaped, and
// the control characters that XML 1.0 forbids left out.
std::string XmlEscaped(const std::string& text);

}  // namespace tavisk
