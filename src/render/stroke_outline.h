// Solid strokes laid on a finely flattened path. Qt's pen draws strokes a
// pixel wide or less with a hairline rasteriser that leaves diagonals and
// curves short of ink, and offsets curves coarsely enough that wider curved
// strokes come out thin. A polyline that hugs the curve, stroked by its
// outline when thin, carries the ink its width and length need.
#pragma once

#include <QPainterPath>
#include <QPen>

namespace tavisk {

// The path with every curve replaced by a polyline within a tenth of a
// pixel of it (path in device pixels); a path without curves as it is.
QPainterPath FlattenFinely(const QPainterPath& path);

// The area pen covers along path, to be filled by the nonzero rule: places
// where the stroke overlaps itself are covered once.
QPainterPath StrokeOutline(const QPainterPath& path, const QPen& pen);

}  // namespace tavisk
