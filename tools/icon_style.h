// The one look shared by every editor icon: a light rounded tile, a dark
// glyph, a blue accent (red for deleting). Glyphs are drawn on a 100 x 100
// grid that the painter scales to the icon's pixels.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>

namespace tavisk::icons {

inline const QColor kTileTop(246, 248, 251);
inline const QColor kTileBottom(218, 224, 233);
inline const QColor kTileBorder(150, 161, 176);
inline const QColor kGlyph(38, 46, 58);
inline const QColor kAccent(45, 125, 210);
inline const QColor kAccentLight(166, 201, 240);
inline const QColor kDanger(208, 58, 52);

// The rounded tile filling the 100 x 100 grid.
void DrawTile(QPainter& p);

// A round-capped, round-joined pen of width units of the grid.
QPen GlyphPen(const QColor& color, double width);

// A filled triangular arrow head at tip pointing along (dx, dy).
void ArrowHead(QPainter& p, QPointF tip, double dx, double dy, double size, const QColor& color);

// A shaft from `from` to `to` with a head at `to`.
void Arrow(QPainter& p, QPointF from, QPointF to, double width, double head, const QColor& color);

// A small square path node, filled with the accent.
void Node(QPainter& p, QPointF centre, double half);

// A round badge with "+" (add) or "-" (remove) in the upper right corner.
void Badge(QPainter& p, bool add);

}  // namespace tavisk::icons
