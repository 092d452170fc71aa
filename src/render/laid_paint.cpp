#include "render/laid_paint.h"

#include <cmath>

#include "render/paint_pen.h"
#include "render/stroke_outline.h"

namespace tavisk {

namespace {

// Beyond this many dashes or dots the whole pattern would cost more memory
// than the tiles that show a part of it.
constexpr double kMaxLaidPeriods = 16384;

// The area op's pen covers along path (device space).
QPainterPath PenArea(const PaintOp& op, const QPainterPath& path) {
  if (KeepsAngles(op.transform)) {
    const double scale = UniformScale(op.transform);
    // A layer scaled to nothing shows nothing.
    if (scale == 0) return QPainterPath();
    return StrokeOutline(path, PenOf(op, scale));
  }
  // The pen is laid in user units: stroke there, then map back.
  return op.transform.map(StrokeOutline(op.transform.inverted().map(path), PenOf(op, 1.0)));
}

// The length of the path's control polygon: never less than the path's
// own, and cheap to measure.
double ControlLength(const QPainterPath& path) {
  double length = 0;
  for (int i = 1; i < path.elementCount(); ++i) {
    const QPainterPath::Element e = path.elementAt(i);
    if (e.isMoveTo()) continue;
    const QPainterPath::Element before = path.elementAt(i - 1);
    const double dx = e.x - before.x;
    const double dy = e.y - before.y;
    length += std::sqrt(dx * dx + dy * dy);
  }
  return length;
}

}  // namespace

bool LaysOut(const PaintOp& op) {
  switch (op.kind) {
    case PaintKind::kFill:
    case PaintKind::kStroke:
    case PaintKind::kDash:
    case PaintKind::kDot:
      return op.antialias;
    default:
      return false;
  }
}

// A solid stroke is laid as its outline (see stroke_outline.h); patterns
// too, or as dots to stamp.
void Lay(const PaintOp& op, LaidPaint& laid) {
  laid.whole = true;
  if (op.kind == PaintKind::kFill) {
    laid.area = PathPieces(op.path);
    return;
  }
  if (op.kind == PaintKind::kStroke) {
    laid.area = PathPieces(PenArea(op, op.path));
    return;
  }
  const double period = PatternPeriod(op) * MaxStretch(op.transform);
  if (period > 0 && ControlLength(op.path) > kMaxLaidPeriods * period) {
    laid.whole = false;
    return;
  }
  if (op.kind == PaintKind::kDot && op.roundEnds && KeepsAngles(op.transform)) {
    const double scale = UniformScale(op.transform);
    laid.dots = LayDots(op.path, PenWidth(op.width) * scale, op.length * scale);
    if (laid.dots) return;
  }
  laid.area = PathPieces(PenArea(op, op.path));
}

const LaidPaint& LaidOf(const PaintOp& op) {
  LaidPaint& laid = *op.laid;
  std::call_once(laid.once, [&] { Lay(op, laid); });
  return laid;
}

}  // namespace tavisk
