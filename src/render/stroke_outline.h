// Solid strokes filled as their outline. Qt's pen draws strokes a pixel wide
// or less with a hairline rasteriser that leaves diagonals and curves short
// of ink, and offsets curves coarsely enough that wider curved strokes come
// out thin. The outline, made with curves offset finely, carries the ink the
// stroke's width and length need.
#pragma once

#include <QPainterPath>
#include <QPen>

namespace tavisk {

// The area pen covers along path, to be filled by the nonzero rule: places
// where the stroke overlaps itself are covered once.
QPainterPath StrokeOutline(const QPainterPath& path, const QPen& pen);

}  // namespace tavisk
