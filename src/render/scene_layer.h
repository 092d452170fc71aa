// The canvas below the overlays (background, checker and every shape paint)
// kept between redraws. Each redraw hands in the new list of paints; only the
// pixels under paints that differ from the last list are painted again, from
// the background up, so the layer always equals a full repaint of the list.
#pragma once

#include <QImage>
#include <QRegion>
#include <QSize>
#include <cstdint>
#include <vector>

#include "render/paint_op.h"

namespace tavisk {

// What a layer starts from; the default is fully transparent.
struct Backdrop {
  QRgb color = 0;
  bool checker = false;
  bool operator==(const Backdrop&) const = default;
};

// Fills the background colour over a cleared image, then the checker of
// 32-pixel cells whose rows start with alternating greys.
void PaintBackdrop(QPainter& painter, const Backdrop& backdrop, QSize size);

// The device pixels where two lists of paints may differ.
QRegion ChangedRegion(const std::vector<PaintOp>& before, const std::vector<PaintOp>& after);

class SceneLayer {
 public:
  void Update(const Backdrop& backdrop, QSize size, std::vector<PaintOp> ops);
  const QImage& Image() const { return image_; }
  // The next update repaints everything.
  void Invalidate() { valid_ = false; }
  // Where the layer may hold other pixels than its backdrop.
  const QRect& ContentBounds() const { return content_; }
  // Pixels repainted by the last update (for tests and benchmarks).
  int64_t LastRepaintedArea() const { return last_area_; }

 private:
  void Repaint(const QRegion* clip);

  QImage image_;
  Backdrop backdrop_;
  std::vector<PaintOp> ops_;
  bool valid_ = false;
  int64_t last_area_ = 0;
  QRect content_;
};

}  // namespace tavisk
