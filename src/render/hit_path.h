// Whether a point in device space hits a path: inside its even-odd area, or
// within a reach of its outline. The drawing surface and the shape hit index
// answer with these, so a press is judged the same by both.
#pragma once

#include <QPainterPath>
#include <QPointF>

namespace tavisk {

bool PathAreaHolds(const QPainterPath& path, QPointF point);

// The band of half-width reach around the outline, round at the ends.
QPainterPath OutlineBand(const QPainterPath& path, double reach);

// point within reach device pixels of the outline; band is
// OutlineBand(path, reach), passed when the caller keeps it.
bool PathOutlineNear(const QPainterPath& path, QPointF point, double reach,
                     const QPainterPath* band = nullptr);

}  // namespace tavisk
