#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>

#include "icon_glyphs.h"
#include "icon_style.h"

namespace tavisk::icons {

namespace {

// A layer row: a soft vertical gradient with a darker line at its foot that
// separates it from the next row.
void Row(QPainter& p, const QColor& top, const QColor& bottom, const QColor& foot) {
  QLinearGradient fill(0, 0, 0, 100);
  fill.setColorAt(0, top);
  fill.setColorAt(1, bottom);
  p.fillRect(QRectF(0, 0, 100, 100), fill);
  p.fillRect(QRectF(0, 94, 100, 6), foot);
}

}  // namespace

void DrawProperties(QPainter& p) {
  DrawTile(p);
  for (int i = 0; i < 3; ++i) {
    const double y = 30 + 20 * i;
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawEllipse(QPointF(27, y), 7, 7);
    p.setPen(GlyphPen(kGlyph, 9));
    p.drawLine(QPointF(44, y), QPointF(76, y));
  }
}

void DrawLocked(QPainter& p) {
  // No tile: the padlock also sits on the layer rows. It keeps to the top 80
  // units so that, placed 6 pixels down a 25-pixel row, it stays inside it.
  p.setPen(GlyphPen(kGlyph, 9));
  p.setBrush(Qt::NoBrush);
  QPainterPath shackle(QPointF(33, 40));
  shackle.lineTo(QPointF(33, 26));
  shackle.arcTo(QRectF(33, 8, 34, 36), 180, -180);
  shackle.lineTo(QPointF(67, 40));
  p.drawPath(shackle);
  p.setPen(QPen(kGlyph, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(QColor(240, 180, 40));
  p.drawRoundedRect(QRectF(20, 38, 60, 42), 8, 8);
  p.setPen(GlyphPen(kGlyph, 8));
  p.drawLine(QPointF(50, 54), QPointF(50, 64));
}

void DrawUp(QPainter& p) {
  DrawTile(p);
  Arrow(p, QPointF(50, 80), QPointF(50, 18), 14, 36, kAccent);
}

void DrawDown(QPainter& p) {
  DrawTile(p);
  Arrow(p, QPointF(50, 20), QPointF(50, 82), 14, 36, kAccent);
}

void DrawLayerRow(QPainter& p) {
  Row(p, QColor(236, 239, 243), QColor(214, 219, 226), QColor(168, 176, 187));
}

void DrawLayerRowSelected(QPainter& p) {
  Row(p, QColor(204, 225, 249), QColor(160, 196, 238), QColor(45, 100, 170));
  // A bar of accent at the left edge marks the current object.
  p.fillRect(QRectF(0, 0, 2, 94), kAccent);
}

void DrawLayerAdd(QPainter& p) {
  DrawTile(p);
  p.setPen(GlyphPen(kAccent, 16));
  p.drawLine(QPointF(50, 24), QPointF(50, 76));
  p.drawLine(QPointF(24, 50), QPointF(76, 50));
}

void DrawLayerDelete(QPainter& p) {
  DrawTile(p);
  // A bin: lid, handle, body with grooves.
  p.setPen(GlyphPen(kDanger, 8));
  p.drawLine(QPointF(22, 28), QPointF(78, 28));
  p.drawLine(QPointF(42, 20), QPointF(58, 20));
  p.setPen(QPen(kDanger, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPolygon(QPolygonF{QPointF(29, 36), QPointF(71, 36), QPointF(66, 82), QPointF(34, 82)});
  p.setPen(GlyphPen(kDanger, 5));
  p.drawLine(QPointF(44, 46), QPointF(44, 72));
  p.drawLine(QPointF(56, 46), QPointF(56, 72));
}

void DrawLayerEye(QPainter& p) {
  // A JPEG has no transparency: the eye sits on a pale badge that reads on
  // plain and selected rows alike.
  p.fillRect(QRectF(0, 0, 100, 100), QColor(248, 250, 252));
  QPainterPath eye(QPointF(6, 50));
  eye.quadTo(QPointF(50, -22), QPointF(94, 50));
  eye.quadTo(QPointF(50, 122), QPointF(6, 50));
  p.setPen(QPen(kGlyph, 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::white);
  p.drawPath(eye);
  p.setPen(Qt::NoPen);
  p.setBrush(kAccent);
  p.drawEllipse(QPointF(50, 50), 20, 26);
  p.setBrush(kGlyph);
  p.drawEllipse(QPointF(50, 50), 9, 12);
}

}  // namespace tavisk::icons
