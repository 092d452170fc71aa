// What the kept scene pixels are painted from besides the paints: the
// backdrop, and the comparison of two lists of paints that finds the pixels
// where they differ.
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

// What decides the pixels of one paint, and where they are.
struct PaintStamp {
  uint64_t hash = 0;
  QRect bounds;
  uint64_t owner = 0;  // the shape that made it
  bool operator==(const PaintStamp&) const = default;
};

// The device pixels where two lists of paints may differ.
QRegion ChangedRegion(const std::vector<PaintStamp>& before, const std::vector<PaintStamp>& after);

}  // namespace tavisk
