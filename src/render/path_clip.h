// Dashes and dots cost one stroke piece per pattern period of the path: a
// line a hundred million pixels long would take gigabytes. Before a pattern
// is laid out, the path is cut to the area that can show it, so the cost
// follows what is visible.
#pragma once

#include <QPainterPath>
#include <QRectF>

namespace tavisk {

// The path with every figure that leaves area cut down to its parts inside
// area. A part starts again a whole number of periods (along the figure)
// before the point where it enters, so a pattern of that period laid from
// each start sits where it sits on the whole figure; the few pixels added
// before the entry lie outside area. Figures wholly inside area are kept
// as they are, curves and all; the others are flattened. period 0 keeps no
// phase.
QPainterPath ClipPathForPattern(const QPainterPath& path, const QRectF& area, double period);

}  // namespace tavisk
