// A closed polygon (a flattened outline) back as a closed cubic chain figure
// with few points: sharp turns stay anchors, so boxes keep their corners and
// straight edges; the runs between them are fitted with cubics
// (cubic_fit.h).
#pragma once

#include <QPointF>
#include <QPolygonF>
#include <vector>

#include "document/complex_chain.h"
#include "edit/cubic_fit.h"

namespace tavisk {

// How far, in document units, a fitted outline may stray from its polygon.
inline constexpr double kOutlineTolerance = 0.25;

// The closed polygon (its last point may repeat its first) as consecutive
// cubics from its first corner back to it; none for a polygon with fewer
// than three distinct points.
std::vector<Cubic> FitClosedOutline(const QPolygonF& polygon, double tolerance);

// The outline moved by offset as a closed chain figure of whole units. The
// controls of each curve are rounded the way that moves the curve least, a
// straight segment keeps its controls on its chord, and the figure starts on
// an anchor it does not pass through again (passing through it would read as
// the end of the figure). Empty when every point rounds to one place.
ChainFigure RoundedFigure(const std::vector<Cubic>& outline, QPointF offset);

}  // namespace tavisk
