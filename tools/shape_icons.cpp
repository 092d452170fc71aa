#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

#include "icon_glyphs.h"
#include "icon_style.h"

namespace tavisk::icons {

namespace {

void OutlinedAccent(QPainter& p) {
  p.setPen(QPen(kGlyph, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(kAccent);
}

}  // namespace

void DrawComplexShape(QPainter& p) {
  DrawTile(p);
  QPolygonF star;
  for (int i = 0; i < 10; ++i) {
    const double a = -M_PI / 2 + i * M_PI / 5;
    const double r = i % 2 == 0 ? 38 : 17;
    star << QPointF(50 + r * std::cos(a), 53 + r * std::sin(a));
  }
  OutlinedAccent(p);
  p.drawPolygon(star);
}

void DrawBox(QPainter& p) {
  DrawTile(p);
  OutlinedAccent(p);
  p.drawRect(QRectF(18, 26, 64, 48));
}

void DrawRoundBox(QPainter& p) {
  DrawTile(p);
  OutlinedAccent(p);
  p.drawRoundedRect(QRectF(18, 26, 64, 48), 16, 16);
}

void DrawCircle(QPainter& p) {
  DrawTile(p);
  OutlinedAccent(p);
  p.drawEllipse(QPointF(50, 50), 32, 32);
}

void DrawLine(QPainter& p) {
  DrawTile(p);
  p.setPen(GlyphPen(kGlyph, 8));
  p.drawLine(QPointF(24, 76), QPointF(76, 24));
  Node(p, QPointF(24, 76), 9);
  Node(p, QPointF(76, 24), 9);
}

void DrawCurve(QPainter& p) {
  DrawTile(p);
  const QPointF a(18, 74);
  const QPointF b(82, 30);
  const QPointF ca(30, 18);
  const QPointF cb(70, 86);
  p.setPen(QPen(kAccent, 3));
  p.drawLine(a, ca);
  p.drawLine(b, cb);
  p.setBrush(kAccent);
  p.drawEllipse(ca, 5, 5);
  p.drawEllipse(cb, 5, 5);
  QPainterPath curve(a);
  curve.cubicTo(ca, cb, b);
  p.setPen(GlyphPen(kGlyph, 8));
  p.setBrush(Qt::NoBrush);
  p.drawPath(curve);
  Node(p, a, 8);
  Node(p, b, 8);
}

void DrawImage(QPainter& p) {
  DrawTile(p);
  const QRectF frame(14, 22, 72, 56);
  p.setPen(QPen(kGlyph, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(QColor(214, 233, 252));
  p.drawRect(frame);
  p.setClipRect(frame.adjusted(3, 3, -3, -3));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(240, 180, 40));
  p.drawEllipse(QPointF(66, 38), 8, 8);
  p.setBrush(kAccent);
  p.drawPolygon(QPolygonF{QPointF(14, 78), QPointF(40, 44), QPointF(58, 66), QPointF(68, 56),
                          QPointF(86, 78)});
  p.setClipping(false);
}

void DrawText(QPainter& p) {
  DrawTile(p);
  // Drawn as a polygon rather than with a font, so the picture is the same
  // on every machine.
  const QPolygonF letter{QPointF(20, 18), QPointF(80, 18), QPointF(80, 34), QPointF(71, 34),
                         QPointF(69, 28), QPointF(57, 28), QPointF(57, 74), QPointF(65, 76),
                         QPointF(65, 84), QPointF(35, 84), QPointF(35, 76), QPointF(43, 74),
                         QPointF(43, 28), QPointF(31, 28), QPointF(29, 34), QPointF(20, 34)};
  p.setPen(QPen(kGlyph, 2, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
  p.setBrush(kGlyph);
  p.drawPolygon(letter);
}

}  // namespace tavisk::icons
