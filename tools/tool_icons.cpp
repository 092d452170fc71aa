#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

#include "icon_glyphs.h"
#include "icon_style.h"

namespace tavisk::icons {

namespace {

// Four arrows out from the centre.
void FourArrows(QPainter& p, double reach, double width, double head) {
  const QPointF c(50, 50);
  Arrow(p, c, QPointF(50, 50 - reach), width, head, kGlyph);
  Arrow(p, c, QPointF(50, 50 + reach), width, head, kGlyph);
  Arrow(p, c, QPointF(50 - reach, 50), width, head, kGlyph);
  Arrow(p, c, QPointF(50 + reach, 50), width, head, kGlyph);
}

// A path through a node, the shared picture of the point tools.
void PathWithNode(QPainter& p) {
  QPainterPath path(QPointF(14, 80));
  path.cubicTo(QPointF(24, 40), QPointF(44, 48), QPointF(50, 58));
  path.cubicTo(QPointF(58, 70), QPointF(74, 78), QPointF(86, 60));
  p.setPen(GlyphPen(kGlyph, 7));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  Node(p, QPointF(50, 58), 10);
}

}  // namespace

void DrawMove(QPainter& p) {
  DrawTile(p);
  FourArrows(p, 36, 8, 17);
  p.setPen(QPen(kGlyph, 4));
  p.setBrush(kAccent);
  p.drawEllipse(QPointF(50, 50), 8, 8);
}

void DrawRotate(QPainter& p) {
  DrawTile(p);
  const QRectF ring(20, 20, 60, 60);
  p.setPen(GlyphPen(kAccent, 10));
  p.setBrush(Qt::NoBrush);
  // Qt counts arc angles in 1/16 degree, anticlockwise from 3 o'clock.
  constexpr double kStart = 100;
  constexpr double kEnd = 350;
  p.drawArc(ring, static_cast<int>(kStart * 16), static_cast<int>((kEnd - kStart) * 16));
  // The head sits on the arc's end, pointing along its way round.
  const double a = kEnd * M_PI / 180;
  const QPointF end(50 + 30 * std::cos(a), 50 - 30 * std::sin(a));
  const QPointF along(-std::sin(a), -std::cos(a));
  ArrowHead(p, end + along * 14, along.x(), along.y(), 21, kAccent);
  p.setPen(QPen(kGlyph, 4));
  p.setBrush(kGlyph);
  p.drawEllipse(QPointF(50, 50), 6, 6);
}

void DrawScale(QPainter& p) {
  DrawTile(p);
  p.setPen(QPen(kGlyph, 5, Qt::DashLine, Qt::FlatCap, Qt::MiterJoin));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(18, 18, 64, 64));
  p.setPen(QPen(kGlyph, 5));
  p.setBrush(kAccentLight);
  p.drawRect(QRectF(18, 52, 30, 30));
  Arrow(p, QPointF(40, 60), QPointF(80, 20), 8, 20, kAccent);
}

void DrawAddPoint(QPainter& p) {
  DrawTile(p);
  PathWithNode(p);
  Badge(p, true);
}

void DrawDeletePoint(QPainter& p) {
  DrawTile(p);
  PathWithNode(p);
  Badge(p, false);
}

void DrawSelect(QPainter& p) {
  DrawTile(p);
  const QPolygonF pointer{QPointF(30, 14), QPointF(30, 80), QPointF(45, 66), QPointF(56, 88),
                          QPointF(67, 83), QPointF(56, 61), QPointF(76, 60)};
  p.setPen(QPen(kGlyph, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::white);
  p.drawPolygon(pointer);
}

void DrawZoom(QPainter& p) {
  DrawTile(p);
  p.setPen(GlyphPen(kGlyph, 14));
  p.drawLine(QPointF(60, 60), QPointF(82, 82));
  p.setPen(QPen(kGlyph, 8));
  p.setBrush(kAccentLight);
  p.drawEllipse(QPointF(42, 42), 24, 24);
  p.setPen(GlyphPen(kGlyph, 6));
  p.drawLine(QPointF(32, 42), QPointF(52, 42));
  p.drawLine(QPointF(42, 32), QPointF(42, 52));
}

void DrawPan(QPainter& p) {
  DrawTile(p);
  // An open hand: four fingers, a thumb and the palm, filled as one outline.
  QPainterPath hand;
  hand.setFillRule(Qt::WindingFill);
  const double fingerX[] = {31, 43, 55, 67};
  const double fingerTop[] = {26, 18, 20, 30};
  for (int i = 0; i < 4; ++i) {
    hand.addRoundedRect(QRectF(fingerX[i] - 5, fingerTop[i], 10, 50), 5, 5);
  }
  hand.addRoundedRect(QRectF(26, 48, 46, 38), 14, 14);
  QPainterPath thumb(QPointF(30, 66));
  thumb.lineTo(QPointF(18, 50));
  thumb.quadTo(QPointF(13, 43), QPointF(20, 41));
  thumb.lineTo(QPointF(34, 54));
  thumb.closeSubpath();
  hand.addPath(thumb);
  p.setPen(QPen(kGlyph, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(kAccentLight);
  p.drawPath(hand.simplified());
}

}  // namespace tavisk::icons
