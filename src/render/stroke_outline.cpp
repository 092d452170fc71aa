#include "render/stroke_outline.h"

#include <QPainterPathStroker>
#include <algorithm>
#include <cmath>

namespace tavisk {

namespace {

constexpr double kTolerance = 0.1;  // device pixels between curve and chord
// A curve huge on the device is cut into no more pieces than this: beyond
// it the picture shows too little of it to tell.
constexpr int kMaxPieces = 1024;

double Norm(QPointF p) { return std::hypot(p.x(), p.y()); }

// Chords of the cubic whose sag stays under the tolerance: the sag of n
// equal parameter steps is at most 3/4 of the largest second difference of
// the control points over n squared.
void AddFlatCubic(QPainterPath& out, QPointF p0, QPointF p1, QPointF p2, QPointF p3) {
  const double bend = std::max(Norm(p0 - 2 * p1 + p2), Norm(p1 - 2 * p2 + p3));
  const double wanted = std::ceil(std::sqrt(0.75 * bend / kTolerance));
  const int pieces = static_cast<int>(std::clamp(wanted, 1.0, double{kMaxPieces}));
  for (int i = 1; i <= pieces; ++i) {
    const double t = double(i) / pieces;
    const double u = 1 - t;
    out.lineTo(u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3);
  }
}

}  // namespace

QPainterPath FlattenFinely(const QPainterPath& path) {
  const int count = path.elementCount();
  bool curved = false;
  for (int i = 0; i < count && !curved; ++i) {
    curved = path.elementAt(i).type == QPainterPath::CurveToElement;
  }
  if (!curved) return path;
  QPainterPath out;
  out.setFillRule(path.fillRule());
  for (int i = 0; i < count; ++i) {
    const QPainterPath::Element e = path.elementAt(i);
    if (e.type == QPainterPath::MoveToElement) {
      out.moveTo(e);
    } else if (e.type == QPainterPath::LineToElement) {
      out.lineTo(e);
    } else if (e.type == QPainterPath::CurveToElement && i + 2 < count) {
      AddFlatCubic(out, out.currentPosition(), e, path.elementAt(i + 1), path.elementAt(i + 2));
      i += 2;
    }
  }
  return out;
}

QPainterPath StrokeOutline(const QPainterPath& path, const QPen& pen) {
  QPainterPathStroker stroker(pen);
  QPainterPath outline = stroker.createStroke(path);
  outline.setFillRule(Qt::WindingFill);
  return outline;
}

}  // namespace tavisk
