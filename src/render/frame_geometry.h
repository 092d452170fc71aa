// Where a frame puts the scene, and how a frame painted at one zoom and pan
// stands in for another until that one is painted.
#pragma once

#include <QColor>
#include <QImage>
#include <QTransform>

#include "document/canvas_view.h"
#include "document/options.h"

namespace tavisk {

// A canvas pixel is zoom times (scene point + pan).
struct FrameGeometry {
  double zoom = 0;
  int pan_x = 0;
  int pan_y = 0;
  bool operator==(const FrameGeometry&) const = default;
};

FrameGeometry GeometryOf(const sPzOptions& options, const CanvasView& view);

// Takes the pixels of a frame painted at from to where a frame painted at to
// puts the same scene points.
QTransform FrameToFrame(const FrameGeometry& from, const FrameGeometry& to);

// Fills out with the frame moved and scaled by FrameToFrame over the
// background colour. Out keeps its size.
void ComposeScaledCopy(const QImage& frame, const FrameGeometry& from, const FrameGeometry& to,
                       const QColor& background, QImage& out);

}  // namespace tavisk
