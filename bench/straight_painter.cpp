#include "straight_painter.h"

#include <QFontMetricsF>
#include <QPainterPath>

#include "document/numeric.h"

namespace tavisk::bench {

namespace {

QPointF At(const sShape& shape, size_t i, double dx = 0, double dy = 0) {
  return QPointF(shape.X + dx + static_cast<double>(shape.Pt[i].X),
                 shape.Y + dy + static_cast<double>(shape.Pt[i].Y));
}

QPainterPath Figure(const sShape& shape, double dx, double dy, double scale) {
  QPainterPath path;
  const size_t last = shape.Pt.size() - 1;
  switch (shape.Typ) {
    case kComplexShape:
      path.moveTo(At(shape, 0, dx, dy));
      for (size_t i = 0; i <= last; i += 3) {
        const size_t a = i + 1 > last ? 0 : i + 1;
        const size_t b = a + 1 > last ? 0 : a + 1;
        const size_t c = b + 1 > last ? 0 : b + 1;
        path.cubicTo(At(shape, a, dx, dy), At(shape, b, dx, dy), At(shape, c, dx, dy));
      }
      break;
    case kBox:
    case kImage:
      path.addRect(QRectF(At(shape, 0, dx, dy), QSizeF(shape.W * scale, shape.H * scale)));
      break;
    case kCircle:
      path.addEllipse(At(shape, 0, dx, dy), shape.W * scale, shape.H * scale);
      break;
    case kLine:
      path.moveTo(At(shape, 0, dx, dy));
      for (size_t i = 1; i <= last; ++i) path.lineTo(At(shape, i, dx, dy));
      if (shape.Close) path.closeSubpath();
      break;
    case kCurve:
      path.moveTo(At(shape, 0, dx, dy));
      for (size_t i = 1; i + 1 <= last; i += 3) {
        path.cubicTo(At(shape, i, dx, dy), At(shape, i + 1, dx, dy),
                     At(shape, i + 2 > last ? 0 : i + 2, dx, dy));
      }
      if (shape.Close) path.closeSubpath();
      break;
    case kText: {
      QFont font("Times New roman");
      font.setPixelSize(std::max<int>(1, shape.W));
      path.addText(shape.X + dx, shape.Y + dy + QFontMetricsF(font).ascent(), font,
                   QString::fromStdString(shape.Text));
      break;
    }
    default:
      break;
  }
  path.setFillRule(Qt::OddEvenFill);
  return path;
}

// A custom-style figure is painted with the next figure's paint, as the
// editor shows it; pending holds it until then.
void Paint(QPainter& painter, QPainterPath& pending, const QPainterPath& figure, int64_t colour,
           int style, double width, double length, double distance) {
  QPainterPath path = pending;
  path.addPath(figure);
  path.setFillRule(Qt::OddEvenFill);
  if (style == kCustom) {
    pending = path;
    return;
  }
  pending = QPainterPath();
  const QColor color(Red(colour), Green(colour), Blue(colour), Alpha(colour));
  if (style == kFilled) {
    painter.fillPath(path, color);
    return;
  }
  QPen pen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  if (style == kDash) {
    pen.setCapStyle(Qt::FlatCap);
    pen.setDashPattern({length / width, length / width});
  } else if (style == kDot) {
    pen.setDashPattern({1e-3, distance / width});
  }
  painter.strokePath(path, pen);
}

void PaintFx(QPainter& painter, QPainterPath& pending, const sObject& object, const sShape& shape,
             int depth) {
  for (const sShapeFx& fx : shape.Fx) {
    if (fx.Actif != 1 || fx.Depth != depth) continue;
    const double scale = fx.Scale * 0.01;
    Paint(painter, pending,
          Figure(shape, fx.X + static_cast<double>(object.X), fx.Y + static_cast<double>(object.Y),
                 scale),
          fx.Color, fx.Typ, static_cast<double>(fx.Width), static_cast<double>(fx.Height),
          static_cast<double>(fx.Dist));
  }
}

}  // namespace

void PaintStraight(const EditorContext& ctx, QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(painter.viewport(), QColor(Red(ctx.Options.BgColor), Green(ctx.Options.BgColor),
                                              Blue(ctx.Options.BgColor)));
  QPainterPath pending;
  pending.setFillRule(Qt::OddEvenFill);
  for (const sObject& object : ctx.Obj) {
    if (object.Hide) continue;
    for (const sShape& shape : object.Shape) {
      if (shape.Hide) continue;
      PaintFx(painter, pending, object, shape, 0);
      if (shape.Typ == kImage) {
        if (const QImage* picture = ctx.Pictures.Get(shape.Image)) {
          painter.drawImage(QRectF(shape.X, shape.Y, shape.W, shape.H), *picture);
        }
      } else {
        Paint(painter, pending, Figure(shape, 0, 0, 1), shape.Color, shape.Style, shape.Width,
              shape.Height, shape.Dist);
      }
      PaintFx(painter, pending, object, shape, 1);
    }
  }
}

}  // namespace tavisk::bench
