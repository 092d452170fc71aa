#include "render/tile_paints.h"

#include <algorithm>

namespace tavisk {

namespace {

int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

}  // namespace

int64_t TileKey(int column, int row) {
  return static_cast<int64_t>(column) << 32 | static_cast<uint32_t>(row);
}

QRect TileRectOf(int64_t key) {
  const int column = static_cast<int>(key >> 32);
  const int row = static_cast<int>(static_cast<int32_t>(key & 0xFFFFFFFF));
  return QRect(column * kTilePixels, row * kTilePixels, kTilePixels, kTilePixels);
}

std::vector<int64_t> TileKeysOver(const QRect& area) {
  std::vector<int64_t> keys;
  if (area.isEmpty()) return keys;
  for (int r = FloorDiv(area.top(), kTilePixels); r <= FloorDiv(area.bottom(), kTilePixels); ++r) {
    for (int c = FloorDiv(area.left(), kTilePixels); c <= FloorDiv(area.right(), kTilePixels); ++c) {
      keys.push_back(TileKey(c, r));
    }
  }
  return keys;
}

void TilePaints::Set(std::vector<PaintOp> ops, std::vector<uint64_t> owners,
                     std::vector<uint64_t> active, const QRect& area) {
  ops_ = std::move(ops);
  owners_ = std::move(owners);
  active_ = std::move(active);
  area_ = area;
  IndexAll();
}

void TilePaints::Clear() {
  ops_.clear();
  owners_.clear();
  active_.clear();
  index_.clear();
}

void TilePaints::IndexAll() {
  index_.clear();
  for (size_t i = 0; i < ops_.size(); ++i) Index(static_cast<uint32_t>(i));
}

// Paints are indexed in drawing order, so one indexed anew goes to its place
// among the others.
void TilePaints::Index(uint32_t i) {
  for (int64_t key : TileKeysOver(ops_[i].bounds & area_)) {
    std::vector<uint32_t>& over = index_[key];
    if (over.empty() || over.back() < i) {
      over.push_back(i);
    } else {
      over.insert(std::lower_bound(over.begin(), over.end(), i), i);
    }
  }
}

void TilePaints::Unindex(uint32_t i) {
  for (int64_t key : TileKeysOver(ops_[i].bounds & area_)) {
    std::vector<uint32_t>& over = index_[key];
    const auto at = std::lower_bound(over.begin(), over.end(), i);
    if (at != over.end() && *at == i) over.erase(at);
  }
}

void TilePaints::Replace(uint64_t owner, std::vector<PaintOp> ops) {
  const auto [first, last] = std::equal_range(owners_.begin(), owners_.end(), owner);
  const size_t begin = static_cast<size_t>(first - owners_.begin());
  const size_t count = static_cast<size_t>(last - first);
  if (count == ops.size()) {
    // A shape moved or recoloured: only its own entries in the index move.
    for (size_t k = 0; k < count; ++k) {
      const auto i = static_cast<uint32_t>(begin + k);
      Unindex(i);
      ops_[i] = std::move(ops[k]);
      Index(i);
    }
    return;
  }
  // Paints after it change places: the index is built again.
  const auto at = ops_.begin() + static_cast<ptrdiff_t>(begin);
  ops_.erase(at, at + static_cast<ptrdiff_t>(count));
  ops_.insert(ops_.begin() + static_cast<ptrdiff_t>(begin), std::make_move_iterator(ops.begin()),
              std::make_move_iterator(ops.end()));
  owners_.erase(first, last);
  owners_.insert(owners_.begin() + static_cast<ptrdiff_t>(begin), ops.size(), owner);
  IndexAll();
}

std::span<const PaintOp> TilePaints::Of(uint64_t owner) const {
  const auto [first, last] = std::equal_range(owners_.begin(), owners_.end(), owner);
  return std::span<const PaintOp>(ops_).subspan(static_cast<size_t>(first - owners_.begin()),
                                                static_cast<size_t>(last - first));
}

const std::vector<uint32_t>& TilePaints::Over(int64_t key) const {
  static const std::vector<uint32_t> none;
  const auto found = index_.find(key);
  return found != index_.end() ? found->second : none;
}

bool TilePaints::Active(uint64_t owner) const {
  return std::binary_search(active_.begin(), active_.end(), owner);
}

}  // namespace tavisk
