#include "render/path_pieces.h"

#include "render/path_figures.h"

namespace tavisk {

namespace {

// Figures smaller than this are gathered into one piece: a piece is a
// bounds test per tile, and copying it when it shows.
constexpr int kPieceElements = 64;

}  // namespace

QPainterPath DetachedCopy(QPainterPath path) {
  if (path.elementCount() > 0) {
    // Setting an element detaches a shared path even when nothing changes;
    // a path held by no one else (a temporary) is kept as it is.
    const QPainterPath::Element first = path.elementAt(0);
    path.setElementPositionAt(0, first.x, first.y);
  }
  return path;
}

PathPieces::PathPieces(const QPainterPath& path)
    : whole_(path), bounds_(path.controlPointRect()), flat_(path) {
  if (flat_.Usable()) return;
  QPainterPath piece;
  piece.setFillRule(path.fillRule());
  auto flush = [&] {
    if (piece.isEmpty()) return;
    // Grown a pixel: a straight figure has no height or width.
    figures_.emplace_back(piece.controlPointRect().adjusted(-1, -1, 1, 1), piece);
    piece = QPainterPath();
    piece.setFillRule(path.fillRule());
  };
  for (const PathFigure& figure : FiguresOf(path)) {
    if (piece.elementCount() >= kPieceElements) flush();
    AppendFigure(path, figure, piece);
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
