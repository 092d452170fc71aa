// A path to fill on many tiles, kept flattened (FlatPath) or, where it
// cannot be, with the bounds of each of its figures. A figure whose bounds
// miss a tile adds nothing to the winding of any point of it, so each tile
// fills only the figures over it instead of walking the whole path again
// (a long dashed or dotted line, or a stroke's outline, on every tile it
// crosses).
#pragma once

#include <QPainterPath>
#include <QRectF>
#include <utility>
#include <vector>

#include "render/coverage_fill.h"

namespace tavisk {

// A copy of path with elements of its own. Qt keeps a converted form of a
// path inside it, made when it is first drawn and not guarded: paths shared
// by tiles painted at once on several threads are drawn from such copies.
QPainterPath DetachedCopy(QPainterPath path);

class PathPieces {
 public:
  PathPieces() = default;
  explicit PathPieces(const QPainterPath& path);

  bool IsEmpty() const { return whole_.isEmpty(); }
  const QPainterPath& Whole() const { return whole_; }
  // The figures that may cover a point of area, under the path's fill rule.
  QPainterPath Over(const QRectF& area) const;
  // The path flattened for FillFlat; null when it cannot be.
  const FlatPath* Flat() const { return flat_.Usable() ? &flat_ : nullptr; }

 private:
  QPainterPath whole_;
  QRectF bounds_;
  FlatPath flat_;
  // Each figure with its control-point bounds, when there are several and
  // the path is not flattened.
  std::vector<std::pair<QRectF, QPainterPath>> figures_;
};

}  // namespace tavisk
