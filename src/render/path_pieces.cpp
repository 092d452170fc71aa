#include "render/path_pieces.h"

namespace tavisk {

namespace {

// Figures smaller than this are gathered into one piece: a piece is a
// bounds test per tile, and copying it when it shows.
constexpr int kPieceElements = 64;

}  // namespace

QPainterPath DetachedCopy(const QPainterPath& path) {
  QPainterPath copy = path;
  if (copy.elementCount() > 0) {
    // Setting an element detaches the copy even when nothing changes.
    const QPainterPath::Element first = copy.elementAt(0);
    copy.setElementPositionAt(0, first.x, first.y);
  }
  return copy;
}

PathPieces::PathPieces(const QPainterPath& path) : whole_(path), bounds_(path.controlPointRect()) {
  QPainterPath piece;
  piece.setFillRule(path.fillRule());
  auto flush = [&] {
    if (piece.isEmpty()) return;
    // Grown a pixel: a straight figure has no height or width.
    figures_.emplace_back(piece.controlPointRect().adjusted(-1, -1, 1, 1), piece);
    piece = QPainterPath();
    piece.setFillRule(path.fillRule());
  };
  const int count = path.elementCount();
  for (int i = 0; i < count; ++i) {
    const QPainterPath::Element e = path.elementAt(i);
    switch (e.type) {
      case QPainterPath::MoveToElement:
        if (piece.elementCount() >= kPieceElements) flush();
        piece.moveTo(e.x, e.y);
        break;
      case QPainterPath::LineToElement:
        piece.lineTo(e.x, e.y);
        break;
      case QPainterPath::CurveToElement:
        if (i + 2 < count) {
          piece.cubicTo(e.x, e.y, path.elementAt(i + 1).x, path.elementAt(i + 1).y,
                        path.elementAt(i + 2).x, path.elementAt(i + 2).y);
          i += 2;
        }
        break;
      default:
        break;
    }
  }
  flush();
  if (figures_.size() <= 1) figures_.clear();
}

QPainterPath PathPieces::Over(const QRectF& area) const {
  if (figures_.empty() || area.contains(bounds_)) return whole_;
  QPainterPath over;
  over.setFillRule(whole_.fillRule());
  size_t taken = 0;
  for (const auto& [bounds, figure] : figures_) {
    if (!bounds.intersects(area)) continue;
    over.addPath(figure);
    ++taken;
  }
  return taken == figures_.size() ? whole_ : over;
}

}  // namespace tavisk
