#include "render/hit_path.h"

#include <QPainterPathStroker>

namespace tavisk {

bool PathAreaHolds(const QPainterPath& path, QPointF point) {
  // The bounds answer most misses without flattening the curves.
  if (!path.controlPointRect().contains(point)) return false;
  return path.contains(point);
}

QPainterPath OutlineBand(const QPainterPath& path, double reach) {
  QPainterPathStroker band;
  band.setWidth(2 * reach);
  band.setCapStyle(Qt::RoundCap);
  band.setJoinStyle(Qt::RoundJoin);
  QPainterPath outline = band.createStroke(path);
  outline.setFillRule(Qt::WindingFill);
  return outline;
}

bool PathOutlineNear(const QPainterPath& path, QPointF point, double reach,
                     const QPainterPath* band) {
  if (path.isEmpty() || reach <= 0) return false;
  const QRectF near = path.controlPointRect().adjusted(-reach, -reach, reach, reach);
  if (!near.contains(point)) return false;
  return band != nullptr ? band->contains(point) : OutlineBand(path, reach).contains(point);
}

}  // namespace tavisk
