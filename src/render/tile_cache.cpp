#include "render/tile_cache.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "render/painting_thread.h"

namespace tavisk {

namespace {

// About 190 MB of tiles; the farthest from the canvas go first.
constexpr size_t kMaxTiles = 720;
// A tile whose changes cover most of it is painted whole, without a clip.
constexpr double kWholeTileShare = 0.6;

int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

int64_t Area(const QRect& r) { return int64_t{r.width()} * r.height(); }

// The paint moved by offset on the device, for a tile whose corner is at
// -offset: the tile shows the same pixels whichever tile the paint crosses.
PaintOp Shifted(const PaintOp& op, QPoint offset) {
  PaintOp shifted = op;
  shifted.path.translate(offset.x(), offset.y());
  shifted.transform = op.transform * QTransform::fromTranslate(offset.x(), offset.y());
  shifted.bounds.translate(offset);
  return shifted;
}

}  // namespace

int64_t TileCache::Key(int column, int row) {
  return static_cast<int64_t>(column) << 32 | static_cast<uint32_t>(row);
}

QRect TileCache::TileRect(int64_t key) {
  const int column = static_cast<int>(key >> 32);
  const int row = static_cast<int>(static_cast<int32_t>(key & 0xFFFFFFFF));
  return QRect(column * kTileSize, row * kTileSize, kTileSize, kTileSize);
}

std::vector<int64_t> TileCache::KeysOver(const QRect& area) const {
  std::vector<int64_t> keys;
  if (area.isEmpty()) return keys;
  for (int r = FloorDiv(area.top(), kTileSize); r <= FloorDiv(area.bottom(), kTileSize); ++r) {
    for (int c = FloorDiv(area.left(), kTileSize); c <= FloorDiv(area.right(), kTileSize); ++c) {
      keys.push_back(Key(c, r));
    }
  }
  return keys;
}

void TileCache::SetBasis(const TileBasis& basis) {
  if (basis == basis_) return;
  basis_ = basis;
  tiles_.clear();
}

void TileCache::Clear() {
  tiles_.clear();
  ops_.clear();
  index_.clear();
}

void TileCache::SetPaints(std::vector<PaintOp> ops, const QRect& area) {
  ops_ = std::move(ops);
  area_ = area;
  repainted_ = 0;
  index_.clear();
  for (size_t i = 0; i < ops_.size(); ++i) {
    for (int64_t key : KeysOver(ops_[i].bounds & area)) {
      index_[key].push_back(static_cast<uint32_t>(i));
    }
  }
}

bool TileCache::PlanTile(int64_t key, Job& job) {
  job.key = key;
  job.ops.clear();
  if (auto found = index_.find(key); found != index_.end()) job.ops = found->second;
  const auto kept = tiles_.find(key);
  if (kept == tiles_.end() || kept->second.image.isNull()) {
    job.whole = true;
    return true;
  }
  const std::vector<PaintStamp>& before = kept->second.stamps;
  bool same = before.size() == job.ops.size();
  for (size_t k = 0; same && k < job.ops.size(); ++k) same = before[k].hash == ops_[job.ops[k]].hash;
  if (same) return false;
  std::vector<PaintStamp> after;
  after.reserve(job.ops.size());
  for (uint32_t i : job.ops) after.push_back({ops_[i].hash, ops_[i].bounds});
  const QRect rect = TileRect(key);
  job.clip = ChangedRegion(before, after) & rect;
  if (job.clip.isEmpty()) {
    // Only paints that show nothing here changed: the pixels stand.
    kept->second.stamps = std::move(after);
    return false;
  }
  job.whole = Area(job.clip.boundingRect()) > kWholeTileShare * Area(rect);
  return true;
}

void TileCache::PaintTile(QImage& image, const QRect& rect, const Job& job) const {
  QPainter painter(&image);
  const QPoint offset = -rect.topLeft();
  const QRegion clip = job.whole ? QRegion() : job.clip.translated(offset);
  if (!job.whole) painter.setClipRegion(clip);
  PaintBackdrop(painter, basis_.backdrop, image.size());
  PaintPlayer player(painter);
  for (uint32_t i : job.ops) {
    const PaintOp& op = ops_[i];
    if (!job.whole && !job.clip.intersects(op.bounds)) continue;
    player.Play(Shifted(op, offset));
  }
}

void TileCache::Run(std::vector<Job>& jobs) {
  for (Job& job : jobs) {
    Tile& tile = tiles_[job.key];
    if (tile.image.isNull()) {
      tile.image = QImage(kTileSize, kTileSize, QImage::Format_ARGB32_Premultiplied);
      job.whole = true;
    }
    tile.stamps.clear();  // half painted until the jobs are done
  }
  RunPaintingInParallel(jobs.size(), [&](size_t j) {
    const Job& job = jobs[j];
    PaintTile(tiles_.at(job.key).image, TileRect(job.key), job);
  });
  for (const Job& job : jobs) {
    Tile& tile = tiles_.at(job.key);
    tile.stamps.reserve(job.ops.size());
    for (uint32_t i : job.ops) tile.stamps.push_back({ops_[i].hash, ops_[i].bounds});
    repainted_ += job.whole ? Area(TileRect(job.key)) : Area(job.clip.boundingRect());
  }
}

void TileCache::Update(const QRect& area) {
  ++clock_;
  std::vector<Job> jobs;
  Job job;
  for (int64_t key : KeysOver(area)) {
    if (PlanTile(key, job)) jobs.push_back(std::move(job));
    if (auto kept = tiles_.find(key); kept != tiles_.end()) kept->second.used = clock_;
  }
  Run(jobs);
  for (const Job& done : jobs) tiles_.at(done.key).used = clock_;
  DropFarTiles(area);
}

bool TileCache::PaintAhead(int count) {
  std::vector<Job> jobs;
  Job job;
  bool more = false;
  for (int64_t key : KeysOver(area_)) {
    if (!PlanTile(key, job)) continue;
    if (static_cast<int>(jobs.size()) == count) {
      more = true;
      break;
    }
    jobs.push_back(std::move(job));
  }
  Run(jobs);
  for (const Job& done : jobs) tiles_.at(done.key).used = clock_;
  return more;
}

void TileCache::DropFarTiles(const QRect& area) {
  if (tiles_.size() <= kMaxTiles) return;
  std::vector<std::pair<double, int64_t>> byDistance;
  const QPointF centre = QRectF(area).center();
  for (const auto& [key, tile] : tiles_) {
    const QPointF d = QRectF(TileRect(key)).center() - centre;
    byDistance.push_back({tile.used == clock_ ? -1.0 : std::hypot(d.x(), d.y()), key});
  }
  std::sort(byDistance.begin(), byDistance.end());
  for (size_t k = kMaxTiles; k < byDistance.size(); ++k) tiles_.erase(byDistance[k].second);
}

void TileCache::Compose(QImage& canvas, QPoint shift, bool blend) const {
  QPainter painter(&canvas);
  painter.setCompositionMode(blend ? QPainter::CompositionMode_SourceOver
                                   : QPainter::CompositionMode_Source);
  const QRect visible = QRect(QPoint(0, 0), canvas.size()).translated(-shift);
  for (int64_t key : KeysOver(visible)) {
    const auto kept = tiles_.find(key);
    if (kept == tiles_.end()) continue;
    painter.drawImage(TileRect(key).topLeft() + shift, kept->second.image);
  }
}

}  // namespace tavisk
