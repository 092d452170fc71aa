#include "render/paint_pen.h"

#include <algorithm>
#include <cmath>

namespace tavisk {

bool KeepsAngles(const QTransform& t) {
  if (t.type() >= QTransform::TxProject) return false;
  return (t.m11() == t.m22() && t.m12() == -t.m21()) ||
         (t.m11() == -t.m22() && t.m12() == t.m21());
}

double UniformScale(const QTransform& t) { return std::sqrt(std::abs(t.determinant())); }

double MaxStretch(const QTransform& t) {
  return std::max(std::abs(t.m11()) + std::abs(t.m12()), std::abs(t.m21()) + std::abs(t.m22()));
}

double PenWidth(double width) { return width > 0 ? width : 1.0; }

namespace {

// A dot is a zero-length dash: with round caps a disc of the pen width,
// otherwise a square of it; dots are centred distance apart. In pen widths.
double DotLength(const PaintOp& op) { return op.roundEnds ? 1e-3 : 1.0; }
double DotGap(const PaintOp& op) {
  const double step = std::max(op.length, 0.0) / PenWidth(op.width);
  return std::max(step - DotLength(op), 1e-3);
}

}  // namespace

double PatternPeriod(const PaintOp& op) {
  const double unit = PenWidth(op.width);
  if (op.kind == PaintKind::kDash) return op.length > 0 ? 2 * op.length : 0;
  if (op.kind != PaintKind::kDot) return 0;
  return (DotLength(op) + DotGap(op)) * unit;
}

QPen PenOf(const PaintOp& op, double scale) {
  QPen pen(QColor::fromRgba(op.color), PenWidth(op.width) * scale);
  const double unit = PenWidth(op.width);  // dash patterns count in pen widths
  switch (op.kind) {
    case PaintKind::kStroke:
      pen.setCapStyle(op.roundEnds ? Qt::RoundCap : Qt::FlatCap);
      pen.setJoinStyle(op.roundEnds ? Qt::RoundJoin : Qt::MiterJoin);
      break;
    case PaintKind::kDash:
      pen.setCapStyle(Qt::FlatCap);
      pen.setJoinStyle(Qt::MiterJoin);
      if (op.length > 0) pen.setDashPattern({op.length / unit, op.length / unit});
      break;
    case PaintKind::kDot:
      pen.setCapStyle(op.roundEnds ? Qt::RoundCap : Qt::FlatCap);
      pen.setJoinStyle(Qt::RoundJoin);
      pen.setDashPattern({DotLength(op), DotGap(op)});
      break;
    default:
      break;
  }
  return pen;
}

}  // namespace tavisk
