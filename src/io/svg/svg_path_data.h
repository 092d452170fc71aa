// The "d" attribute of an SVG path from a painter path.
#pragma once

#include <QPainterPath>
#include <string>

namespace tavisk {

// Moves, lines and cubics; a figure of more than one segment that ends on
// its start is closed with "Z", as the painter strokes it with a join there.
std::string SvgPathData(const QPainterPath& path);

}  // namespace tavisk
