#include "render/shape_bounds.h"

#include <algorithm>
#include <cmath>

#include "document/numeric.h"
#include "render/figure_reach.h"
#include "render/paint_pen.h"
#include "render/shape_geometry.h"

namespace tavisk {

namespace {

// The smallest rectangle holding both, points and lines included (QRectF's
// union passes over empty rectangles).
QRectF Joined(const QRectF& a, const QRectF& b) {
  const QRectF p = a.normalized();
  const QRectF q = b.normalized();
  return QRectF(QPointF(std::min(p.left(), q.left()), std::min(p.top(), q.top())),
                QPointF(std::max(p.right(), q.right()), std::max(p.bottom(), q.bottom())));
}

// A mitred corner (miter limit 2) reaches twice the pen width past its
// point; one more unit for rounding.
QRectF WithPen(const QRectF& r, double width) {
  const double grow = 2 * std::max(std::abs(width), 1.0) + 1.0;
  return r.adjusted(-grow, -grow, grow, grow);
}

// Kinds whose effect outline is scaled about the shape's first point.
bool EffectScales(const sShape& shape) {
  return shape.Typ == kBox || shape.Typ == kCircle || shape.Typ == kComplexShape ||
         shape.Typ == kImage;
}

// The effect's outline: moved by its offset and the object's, and for the
// kinds it scales, scaled about the shape's first point.
QRectF EffectBounds(const sObject& object, const sShape& shape, const QRectF& outline,
                    const sShapeFx& fx) {
  const QPointF offset(static_cast<double>(fx.X) + object.X, static_cast<double>(fx.Y) + object.Y);
  QRectF moved = outline.translated(offset);
  if (EffectScales(shape)) {
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

QRectF ShapeBounds::TextBounds(const EditorContext& ctx, const sShape& shape, QPointF cursor,
                               QPointF effectCursor) {
  const int64_t pixels = RoundInt(shape.W);
  if (pixels < 1) return Joined(QRectF(cursor, QSizeF()), QRectF(effectCursor, QSizeF()));
  const FontSpec* font = ctx.Fonts.Get(shape.Font);
  const TextReach& reach =
      font != nullptr
          ? text_reaches_.Of(shape.Font, font->Name, font->Style, static_cast<int>(pixels))
          : text_reaches_.Of(-1, kDefaultFontFace, 0, static_cast<int>(pixels));
  const QRectF box =
      TextPieceBox(0, reach.perByte * static_cast<double>(shape.Text.size()), reach.height);
  return Joined(box.translated(cursor), box.translated(effectCursor));
}

std::optional<QRectF> ShapeBounds::OutlineBounds(const EditorContext& ctx, const sShape& shape) {
  const QPointF origin(shape.X, shape.Y);
  const QPointF first = origin + QPointF(shape.Pt.front().X, shape.Pt.front().Y);
  switch (shape.Typ) {
    case kBox:
      return QRectF(first, QSizeF(shape.W, shape.H)).normalized();
    case kCircle:
      return QRectF(first.x() - std::abs(shape.W), first.y() - std::abs(shape.H),
                    2.0 * std::abs(shape.W), 2.0 * std::abs(shape.H));
    case kLine:
    case kCurve:
    case kComplexShape: {
      // Curves stay inside the hull of their control points.
      double left = first.x(), right = first.x(), top = first.y(), bottom = first.y();
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
    case kImage: {
      // The picture at the shape's position; its effects draw a box from
      // the first point.
      const QImage* picture = ctx.Pictures.Get(shape.Image);
      const QSizeF size = shape.W > 0 && shape.H > 0 ? QSizeF(shape.W, shape.H)
                          : picture != nullptr       ? QSizeF(picture->size())
                                                     : QSizeF();
      return Joined(QRectF(origin, size), QRectF(first, QSizeF(shape.W, shape.H)));
    }
    case kText:
      // The text is written from the shape's position, its effects' from the
      // first point.
      return TextBounds(ctx, shape, origin, first);
    case kRoundBox:
      // It adds no figure of its own: only the place its path starts from.
      return QRectF(first, QSizeF());
    default:
      return std::nullopt;
  }
}

std::optional<QRectF> ShapeBounds::UserBounds(const EditorContext& ctx, const sObject& object,
                                              int64_t index) {
  const sShape& shape = object.Shape[static_cast<size_t>(index)];
  const std::optional<QRectF> outline = OutlineBounds(ctx, shape);
  if (!outline) return std::nullopt;
  QRectF bounds = WithPen(*outline, shape.Width);
  for (const sShapeFx& fx : shape.Fx) {
    if (DrawnEffect(fx)) bounds = Joined(bounds, EffectBounds(object, shape, *outline, fx));
  }
  return bounds;
}

bool ShapeLeavesFigures(const sObject& object, int64_t index) {
  const sShape& shape = object.Shape[static_cast<size_t>(index)];
  if ((shape.Link != 0 && index != LastIndex(object.Shape)) || shape.Style == kCustom) return true;
  return std::any_of(shape.Fx.begin(), shape.Fx.end(),
                     [](const sShapeFx& fx) { return DrawnEffect(fx) && fx.Typ == kCustom; });
}

double SceneReach(const EditorContext& ctx, double zoom) {
  double reach = 0;
  for (const sObject& object : ctx.Obj) {
    double pen = 1;
    for (const sShape& shape : object.Shape) {
      pen = std::max(pen, PenWidth(shape.Width));
      for (const sShapeFx& fx : shape.Fx) pen = std::max(pen, PenWidth(static_cast<double>(fx.Width)));
    }
    // The object's scale turned any way stretches a length by at most its
    // larger factor, and a row of its matrix sums to at most root two times
    // that (MaxStretch).
    const double stretch =
        std::sqrt(2.0) * std::abs(zoom) * std::max(std::abs(object.W), std::abs(object.H)) * 0.01;
    reach = std::max(reach, PaintReach(PaintKind::kDot, pen, stretch));
  }
  return reach;
}

}  // namespace tavisk
