// The transform attribute: matrix, translate, scale, rotate (about a
// point), skewX and skewY, applied left to right as SVG nests them.
#pragma once

#include <QTransform>
#include <string_view>

namespace tavisk {

// The transform the list makes, mapping the element's user units into its
// parent's. False on an error, which leaves the element untransformed.
bool ParseTransform(std::string_view text, QTransform& out);

}  // namespace tavisk
