#include "icon_style.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <cmath>

namespace tavisk::icons {

void DrawTile(QPainter& p) {
  QLinearGradient fill(0, 0, 0, 100);
  fill.setColorAt(0, kTileTop);
  fill.setColorAt(1, kTileBottom);
  p.setBrush(fill);
  p.setPen(QPen(kTileBorder, 4));
  p.drawRoundedRect(QRectF(2, 2, 96, 96), 18, 18);
}

QPen GlyphPen(const QColor& color, double width) {
  return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void ArrowHead(QPainter& p, QPointF tip, double dx, double dy, double size, const QColor& color) {
  const double length = std::hypot(dx, dy);
  const QPointF along(dx / length, dy / length);
  const QPointF across(-along.y(), along.x());
  const QPointF base = tip - along * size;
  p.setPen(QPen(color, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(color);
  p.drawPolygon(QPolygonF{tip, base + across * size * 0.62, base - across * size * 0.62});
}

void Arrow(QPainter& p, QPointF from, QPointF to, double width, double head, const QColor& color) {
  const QPointF d = to - from;
  const double length = std::hypot(d.x(), d.y());
  // The shaft stops inside the head so its round cap does not poke out.
  const QPointF shaftEnd = to - d * ((head * 0.8) / length);
  p.setPen(GlyphPen(color, width));
  p.drawLine(from, shaftEnd);
  ArrowHead(p, to, d.x(), d.y(), head, color);
}

void Node(QPainter& p, QPointF centre, double half) {
  p.setPen(QPen(kGlyph, 4));
  p.setBrush(kAccent);
  p.drawRect(QRectF(centre.x() - half, centre.y() - half, 2 * half, 2 * half));
}

void Badge(QPainter& p, bool add) {
  const QPointF c(74, 26);
  p.setPen(QPen(Qt::white, 4));
  p.setBrush(add ? kAccent : kDanger);
  p.drawEllipse(c, 20, 20);
  p.setPen(GlyphPen(Qt::white, 7));
  p.drawLine(QPointF(c.x() - 10, c.y()), QPointF(c.x() + 10, c.y()));
  if (add) p.drawLine(QPointF(c.x(), c.y() - 10), QPointF(c.x(), c.y() + 10));
}

}  // namespace tavisk::icons
