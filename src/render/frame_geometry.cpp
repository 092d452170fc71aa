#include "render/frame_geometry.h"

#include <QPainter>

namespace tavisk {

FrameGeometry GeometryOf(const sPzOptions& options, const CanvasView& view) {
  return FrameGeometry{ZoomFactor(options), view.PanX, view.PanY};
}

QTransform FrameToFrame(const FrameGeometry& from, const FrameGeometry& to) {
  // A frame at zoom 0 shows nothing to scale.
  if (from.zoom <= 0) return QTransform::fromScale(0, 0);
  const double scale = to.zoom / from.zoom;
  return QTransform(scale, 0, 0, scale, to.zoom * (to.pan_x - from.pan_x),
                    to.zoom * (to.pan_y - from.pan_y));
}

void ComposeScaledCopy(const QImage& frame, const FrameGeometry& from, const FrameGeometry& to,
                       const QColor& background, QImage& out) {
  out.fill(background);
  QPainter painter(&out);
  painter.setTransform(FrameToFrame(from, to));
  painter.drawImage(0, 0, frame);
}

}  // namespace tavisk
