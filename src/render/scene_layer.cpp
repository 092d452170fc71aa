#include "render/scene_layer.h"

#include <QPainter>
#include <algorithm>

#include "render/painting_thread.h"

namespace tavisk {

namespace {

constexpr int kCell = 32;
const QColor kCheckerDark(120, 120, 120);
const QColor kCheckerLight(192, 192, 192);
// Past this many rectangles the region is merged into its bounds: clipping to
// a fragmented region costs more than repainting a few extra pixels.
constexpr int kMaxRegionRects = 24;
// A repaint of most of the canvas is done whole, without a clip.
constexpr double kFullRepaintShare = 0.6;

int CeilDiv(int a, int b) { return (a + b - 1) / b; }

int64_t Area(const QRect& r) { return int64_t{r.width()} * r.height(); }

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

QRegion ChangedRegion(const std::vector<PaintOp>& before, const std::vector<PaintOp>& after) {
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

void SceneLayer::Repaint(const QRegion* clip) {
  RunPainting([&] {
    QPainter painter(&image_);
    if (clip != nullptr) painter.setClipRegion(*clip);
    PaintBackdrop(painter, backdrop_, image_.size());
    PaintPlayer player(painter);
    const QRect clipBounds = clip != nullptr ? clip->boundingRect() : QRect();
    for (const PaintOp& op : ops_) {
      if (clip != nullptr && (!clipBounds.intersects(op.bounds) || !clip->intersects(op.bounds))) {
        continue;
      }
      player.Play(op);
    }
  });
}

void SceneLayer::Update(const Backdrop& backdrop, QSize size, std::vector<PaintOp> ops) {
  const int64_t total = int64_t{size.width()} * size.height();
  const QRect all(QPoint(0, 0), size);
  content_ = backdrop.color != 0 || backdrop.checker ? all : QRect();
  for (const PaintOp& op : ops) content_ |= op.bounds;
  content_ &= all;
  if (!valid_ || image_.size() != size || !(backdrop_ == backdrop)) {
    image_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
    backdrop_ = backdrop;
    ops_ = std::move(ops);
    valid_ = !image_.isNull();
    if (valid_) Repaint(nullptr);
    last_area_ = total;
    return;
  }
  QRegion changed = ChangedRegion(ops_, ops) & all;
  ops_ = std::move(ops);
  if (changed.isEmpty()) {
    last_area_ = 0;
    return;
  }
  const int64_t area = Area(changed.boundingRect());
  if (area > kFullRepaintShare * static_cast<double>(total)) {
    Repaint(nullptr);
    last_area_ = total;
  } else {
    Repaint(&changed);
    last_area_ = area;
  }
}

}  // namespace tavisk
