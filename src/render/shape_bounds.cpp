#include "render/shape_bounds.h"

#include <algorithm>
#include <cmath>

#include "document/numeric.h"

namespace tavisk {

namespace {

// The outline's corners and points, before pens and effects.
std::optional<QRectF> OutlineBounds(const sShape& shape) {
  const double x0 = static_cast<double>(shape.X) + shape.Pt.front().X;
  const double y0 = static_cast<double>(shape.Y) + shape.Pt.front().Y;
  switch (shape.Typ) {
    case kBox:
      return QRectF(x0, y0, shape.W, shape.H).normalized();
    case kCircle:
      return QRectF(x0 - std::abs(shape.W), y0 - std::abs(shape.H), 2.0 * std::abs(shape.W),
                    2.0 * std::abs(shape.H));
    case kLine:
    case kCurve:
    case kComplexShape: {
      // Curves stay inside the hull of their control points.
      double left = x0, right = x0, top = y0, bottom = y0;
      for (const sPoint& p : shape.Pt) {
        const double x = static_cast<double>(shape.X) + p.X;
        const double y = static_cast<double>(shape.Y) + p.Y;
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
      return QRectF(QPointF(left, top), QPointF(right, bottom));
    }
    default:
      return std::nullopt;
  }
}

// A mitred corner reaches the pen width past the outline; one more unit
// for rounding.
QRectF WithPen(const QRectF& r, double width) {
  const double grow = std::max(std::abs(width), 1.0) + 1.0;
  return r.adjusted(-grow, -grow, grow, grow);
}

// The effect's outline: moved by its offset and the object's, and for the
// kinds it scales, scaled about the shape's first point.
QRectF EffectBounds(const sObject& object, const sShape& shape, const QRectF& outline,
                    const sShapeFx& fx) {
  const QPointF offset(static_cast<double>(fx.X) + object.X, static_cast<double>(fx.Y) + object.Y);
  QRectF moved = outline.translated(offset);
  if (shape.Typ == kBox || shape.Typ == kCircle || shape.Typ == kComplexShape) {
    const double s = static_cast<float>(fx.Scale) * 0.01f;
    const QPointF q =
        QPointF(static_cast<double>(shape.X) + shape.Pt.front().X,
                static_cast<double>(shape.Y) + shape.Pt.front().Y) +
        offset;
    const QPointF a = q + (moved.topLeft() - q) * s;
    const QPointF b = q + (moved.bottomRight() - q) * s;
    moved = QRectF(a, b).normalized();
  }
  return WithPen(moved, fx.Width);
}

bool DrawnEffect(const sShapeFx& fx) { return fx.Actif == 1 && (fx.Depth == 0 || fx.Depth == 1); }

}  // namespace

std::optional<QRectF> ShapeUserBounds(const sObject& object, int64_t index) {
  const sShape& shape = object.Shape[static_cast<size_t>(index)];
  const std::optional<QRectF> outline = OutlineBounds(shape);
  if (!outline) return std::nullopt;
  QRectF bounds = WithPen(*outline, shape.Width);
  for (const sShapeFx& fx : shape.Fx) {
    if (DrawnEffect(fx)) bounds |= EffectBounds(object, shape, *outline, fx);
  }
  return bounds;
}

bool ShapeLeavesFigures(const sObject& object, int64_t index) {
  const sShape& shape = object.Shape[static_cast<size_t>(index)];
  if ((shape.Link != 0 && index != LastIndex(object.Shape)) || shape.Style == kCustom) return true;
  return std::any_of(shape.Fx.begin(), shape.Fx.end(),
                     [](const sShapeFx& fx) { return DrawnEffect(fx) && fx.Typ == kCustom; });
}

}  // namespace tavisk
