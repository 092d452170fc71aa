#include "render/scene_layer.h"

#include <QPainter>
#include <algorithm>


namespace tavisk {

namespace {

constexpr int kCell = 32;
const QColor kCheckerDark(120, 120, 120);
const QColor kCheckerLight(192, 192, 192);
// Past this many rectangles the region is merged into its bounds: clipping to
// a fragmented region costs more than repainting a few extra pixels.
constexpr int kMaxRegionRects = 24;

int CeilDiv(int a, int b) { return (a + b - 1) / b; }

void AddRect(QRegion& region, const QRect& rect) {
  if (rect.isEmpty()) return;
  region += rect;
  if (region.rectCount() > kMaxRegionRects) region = QRegion(region.boundingRect());
}

}  // namespace

void PaintBackdrop(QPainter& painter, const Backdrop& backdrop, QSize size) {
  const QRect all(QPoint(0, 0), size);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.fillRect(all, Qt::transparent);
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter.fillRect(all, QColor::fromRgba(backdrop.color));
  if (!backdrop.checker) return;
  const int columns = CeilDiv(size.width(), kCell);
  const int rows = CeilDiv(size.height(), kCell);
  bool dark = true;
  for (int r = 0; r <= rows; ++r) {
    for (int c = 0; c <= columns; ++c) {
      painter.fillRect(QRect(c * kCell, r * kCell, kCell, kCell),
                       dark ? kCheckerDark : kCheckerLight);
      dark = !dark;
    }
    if (columns % 2 == 1) dark = !dark;
  }
}

QRegion ChangedRegion(const std::vector<PaintStamp>& before,
                      const std::vector<PaintStamp>& after) {
  QRegion region;
  if (before.size() == after.size()) {
    for (size_t i = 0; i < after.size(); ++i) {
      if (before[i].hash == after[i].hash) continue;
      AddRect(region, before[i].bounds);
      AddRect(region, after[i].bounds);
    }
    return region;
  }
  // Paints were added or removed: everything between the common head and
  // the common tail may have changed.
  const size_t shorter = std::min(before.size(), after.size());
  size_t head = 0;
  while (head < shorter && before[head].hash == after[head].hash) ++head;
  size_t tail = 0;
  while (tail < shorter - head &&
         before[before.size() - 1 - tail].hash == after[after.size() - 1 - tail].hash) {
    ++tail;
  }
  for (size_t i = head; i < before.size() - tail; ++i) AddRect(region, before[i].bounds);
  for (size_t i = head; i < after.size() - tail; ++i) AddRect(region, after[i].bounds);
  return region;
}

}  // namespace tavisk
