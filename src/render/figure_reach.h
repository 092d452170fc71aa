// How far past its figures a paint may change pixels, and the figures of a
// path that can change pixels of an area. A canvas paints only over the
// area it records for, so the other figures need not reach the paint:
// - an even-odd fill: a closed figure changes the parity only of points
//   inside its own control points;
// - solid strokes, dashes and dots are laid figure by figure (Qt's dash
//   pattern and our dots start again at each figure), so a figure stroked
//   away from the area leaves the area as it was.
// For the same reasons, figures whose reaches do not meet paint the same
// pixels in one paint or in several.
#pragma once

#include <QPainterPath>
#include <QRectF>
#include <vector>

#include "render/paint_op.h"

namespace tavisk {

// Device pixels past a figure's control points that a paint of kind with a
// pen of width user units, stretched at most stretch times on the device,
// may change: the antialiasing fringe, a mitred corner (miter limit 2), and
// for dots whether a dot near the area meets another (which decides how
// it is laid).
double PaintReach(PaintKind kind, double width, double stretch);

// path without the figures whose control points, grown by reach, lie wholly
// outside area; path itself when every figure is kept.
QPainterPath FiguresNear(const QPainterPath& path, const QRectF& area, double reach);

// path cut into paths whose figures lie far apart: more than gap past each
// other's control points across a row or a column that none crosses. Such
// paths paint the pixels path paints, each on its own; a far figure joined
// to a paint then changes only the pixels around it.
std::vector<QPainterPath> FarApartParts(const QPainterPath& path, double gap);

}  // namespace tavisk
