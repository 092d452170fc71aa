#include "render/stroke_outline.h"

#include <QPainterPathStroker>

namespace tavisk {

namespace {

// Device pixels between a curve and the offset curves that bound its
// stroke. Qt's default (a quarter pixel) leaves curved strokes thin.
constexpr double kCurveThreshold = 0.1;

}  // namespace

QPainterPath StrokeOutline(const QPainterPath& path, const QPen& pen) {
  QPainterPathStroker stroker(pen);
  stroker.setCurveThreshold(kCurveThreshold);
  QPainterPath outline = stroker.createStroke(path);
  outline.setFillRule(Qt::WindingFill);
  return outline;
}

}  // namespace tavisk
