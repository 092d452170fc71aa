// The paints the kept tiles are painted from: one redraw's list in drawing
// order, the shape that made each, the active shapes, and for every tile
// the paints over it. A gesture that changes only a few shapes replaces
// their paints without the list being recorded or indexed again.
#pragma once

#include <QRect>
#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

#include "render/paint_op.h"

namespace tavisk {

inline constexpr int kTilePixels = 256;

int64_t TileKey(int column, int row);
QRect TileRectOf(int64_t key);
// The keys of the tiles over area, by rows.
std::vector<int64_t> TileKeysOver(const QRect& area);

class TilePaints {
 public:
  // The paints in pan-free device space, complete over area, with the shape
  // that made each (owners, ascending as the paints are drawn) and the
  // active shapes, sorted.
  void Set(std::vector<PaintOp> ops, std::vector<uint64_t> owners, std::vector<uint64_t> active,
           const QRect& area);
  // The paints of one shape become ops, in its place in the drawing order;
  // the others stay.
  void Replace(uint64_t owner, std::vector<PaintOp> ops);
  void SetActive(std::vector<uint64_t> active) { active_ = std::move(active); }
  void Clear();

  std::span<const PaintOp> Of(uint64_t owner) const;
  // Indexes of the paints over the tile, in drawing order.
  const std::vector<uint32_t>& Over(int64_t key) const;
  const PaintOp& operator[](uint32_t i) const { return ops_[i]; }
  uint64_t OwnerOf(uint32_t i) const { return owners_[i]; }
  bool Active(uint64_t owner) const;
  const std::vector<uint64_t>& ActiveOwners() const { return active_; }
  const QRect& Area() const { return area_; }

 private:
  void Index(uint32_t i);
  void Unindex(uint32_t i);
  void IndexAll();

  std::vector<PaintOp> ops_;
  std::vector<uint64_t> owners_;
  std::vector<uint64_t> active_;
  std::unordered_map<int64_t, std::vector<uint32_t>> index_;
  QRect area_;
};

}  // namespace tavisk
