#include "render/tile_cache.h"

#include <QPainter>
#include <QThreadPool>
#include <algorithm>
#include <cmath>

#include "render/painting_thread.h"

namespace tavisk {

namespace {

// About 190 MB of tiles; the farthest from the canvas go first.
constexpr size_t kMaxTiles = 720;
// Whole tiles of a row are painted together, at most this many side by side.
constexpr size_t kMaxStripTiles = 8;
// A tile whose changes cover most of it is painted whole, without a clip.
constexpr double kWholeTileShare = 0.6;

int64_t Area(const QRect& r) { return int64_t{r.width()} * r.height(); }

int64_t Area(const QRegion& region) {
  int64_t area = 0;
  for (const QRect& r : region) area += Area(r);
  return area;
}

}  // namespace

void TileCache::SetBasis(const TileBasis& basis) {
  if (basis == basis_) return;
  basis_ = basis;
  tiles_.clear();
}

void TileCache::Clear() {
  tiles_.clear();
  paints_.Clear();
}

void TileCache::SetPaints(std::vector<PaintOp> ops, std::vector<uint64_t> owners,
                          std::vector<uint64_t> active, const QRect& area) {
  paints_.Set(std::move(ops), std::move(owners), std::move(active), area);
}

void TileCache::ReplacePaints(uint64_t owner, std::vector<PaintOp> ops) {
  paints_.Replace(owner, std::move(ops));
}

void TileCache::SetActive(std::vector<uint64_t> active) { paints_.SetActive(std::move(active)); }

std::vector<PaintStamp> TileCache::StampsOf(const std::vector<uint32_t>& ops) const {
  std::vector<PaintStamp> stamps;
  stamps.reserve(ops.size());
  for (uint32_t i : ops) stamps.push_back({paints_[i].hash, paints_[i].bounds, paints_.OwnerOf(i)});
  return stamps;
}

namespace {

bool SameHashes(const std::vector<PaintStamp>& a, const std::vector<PaintStamp>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](const PaintStamp& x, const PaintStamp& y) { return x.hash == y.hash; });
}

}  // namespace

bool TileCache::Holds(const std::vector<PaintStamp>& stamps, const std::vector<uint32_t>& ops) const {
  if (stamps.size() != ops.size()) return false;
  for (size_t k = 0; k < ops.size(); ++k) {
    if (stamps[k].hash != paints_[ops[k]].hash) return false;
  }
  return true;
}

bool TileCache::PlanTile(int64_t key, const QRect& need, Job& job) {
  job.key = key;
  job.layer = Layer::kWhole;
  job.ops = paints_.Over(key);
  const QRect rect = TileRectOf(key);
  const auto kept = tiles_.find(key);
  if (kept == tiles_.end() || kept->second.image.isNull()) {
    job.whole = need == rect || CutsPicture(job.ops, QRegion(need));
    job.clip = QRegion(need);
    return true;
  }
  Tile& tile = kept->second;
  const QRegion missing = QRegion(need).subtracted(tile.painted);
  QRegion changed;
  if (!Holds(tile.stamps, job.ops)) {
    std::vector<PaintStamp> after = StampsOf(job.ops);
    // Pixels not painted yet are painted below whatever changed.
    changed = ChangedRegion(tile.stamps, after) & tile.painted;
    // Only paints that show nothing here changed: the pixels stand.
    if (changed.isEmpty()) tile.stamps = std::move(after);
  }
  job.clip = changed.united(missing);
  if (job.clip.isEmpty()) return false;
  job.whole = CutsPicture(job.ops, job.clip) ||
              (Area(job.clip.boundingRect()) > kWholeTileShare * Area(rect) &&
               tile.painted.united(need) == QRegion(rect));
  return true;
}

// A scaled picture is resampled a little differently where a clip cuts it.
bool TileCache::CutsPicture(const std::vector<uint32_t>& ops, const QRegion& clip) const {
  return std::any_of(ops.begin(), ops.end(), [&](uint32_t i) {
    const PaintOp& op = paints_[i];
    return op.kind == PaintKind::kImage && clip.intersects(op.bounds) &&
           !QRegion(op.bounds).subtracted(clip).isEmpty();
  });
}

bool TileCache::PlanSplit(int64_t key, std::vector<Job>& jobs) {
  const auto kept = tiles_.find(key);
  if (kept == tiles_.end() || kept->second.image.isNull()) return false;
  Tile& tile = kept->second;
  const std::vector<uint32_t>& ops = paints_.Over(key);
  if (Holds(tile.stamps, ops)) return false;
  const std::vector<PaintStamp> after = StampsOf(ops);
  auto inactive = [&](const std::vector<PaintStamp>& stamps) {
    std::vector<PaintStamp> kept;
    for (const PaintStamp& s : stamps) {
      if (!paints_.Active(s.owner)) kept.push_back(s);
    }
    return kept;
  };
  if (!SameHashes(inactive(tile.stamps), inactive(after))) return false;
  size_t first = ops.size();
  size_t last = ops.size();
  for (size_t k = 0; k < ops.size(); ++k) {
    if (!paints_.Active(paints_.OwnerOf(ops[k]))) continue;
    if (first == ops.size()) first = k;
    last = k + 1;
  }
  if (first == ops.size()) first = last = ops.size();
  const std::vector<uint32_t> below(ops.begin(), ops.begin() + static_cast<ptrdiff_t>(first));
  const std::vector<uint32_t> above(ops.begin() + static_cast<ptrdiff_t>(last), ops.end());
  if (tile.below.isNull() || !Holds(tile.belowStamps, below)) {
    jobs.push_back({key, Layer::kBelow, below, QRegion(), true});
  }
  if (tile.above.isNull() || !Holds(tile.aboveStamps, above)) {
    jobs.push_back({key, Layer::kAbove, above, QRegion(), true});
  }
  return true;
}

void TileCache::ShowSplit(int64_t key) {
  Tile& tile = tiles_.at(key);
  const std::vector<uint32_t>& ops = paints_.Over(key);
  const size_t middle = ops.size() - tile.belowStamps.size() - tile.aboveStamps.size();
  const QPoint offset = -TileRectOf(key).topLeft();
  tile.shown = tile.below.copy();
  QPainter painter(&tile.shown);
  PaintPlayer player(painter, offset);
  for (size_t k = 0; k < middle; ++k) player.Play(paints_[ops[tile.belowStamps.size() + k]]);
  painter.resetTransform();
  painter.setOpacity(1.0);
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter.drawImage(0, 0, tile.above);
}

void TileCache::PaintTile(QImage& image, const QRect& rect, const Job& job) const {
  QPainter painter(&image);
  const QPoint offset = -rect.topLeft();
  const QRegion clip = job.whole ? QRegion() : job.clip.translated(offset);
  if (!job.whole) painter.setClipRegion(clip);
  PaintBackdrop(painter, job.layer == Layer::kAbove ? Backdrop{} : basis_.backdrop, image.size());
  PaintPlayer player(painter, offset, job.whole ? nullptr : &clip);
  for (uint32_t i : job.ops) {
    const PaintOp& op = paints_[i];
    if (!job.whole && !job.clip.intersects(op.bounds)) continue;
    player.Play(op);
  }
}

std::vector<std::vector<size_t>> TileCache::StripsOf(const std::vector<Job>& jobs) const {
  // Whole tiles of a row next to each other, by row and column.
  std::vector<std::pair<int64_t, size_t>> rows;
  std::vector<std::vector<size_t>> strips;
  for (size_t j = 0; j < jobs.size(); ++j) {
    if (jobs[j].layer == Layer::kWhole && (jobs[j].whole || jobs[j].fresh)) {
      const QRect r = TileRectOf(jobs[j].key);
      rows.push_back({int64_t{r.top()} << 32 | static_cast<uint32_t>(r.left()), j});
    } else {
      strips.push_back({j});
    }
  }
  std::sort(rows.begin(), rows.end());
  // Enough strips for every pool thread to take a few.
  const int threads = std::max(1, QThreadPool::globalInstance()->maxThreadCount());
  const size_t widest =
      std::clamp<size_t>(rows.size() / (3 * static_cast<size_t>(threads)), 1, kMaxStripTiles);
  for (size_t begin = 0; begin < rows.size();) {
    size_t end = begin + 1;
    while (end < rows.size() && rows[end].first == rows[end - 1].first + kTileSize) ++end;
    // A run of tiles cut into strips of even widths.
    const size_t run = end - begin;
    const size_t pieces = (run + widest - 1) / widest;
    for (size_t p = 0; p < pieces; ++p) {
      std::vector<size_t> strip;
      for (size_t k = begin + run * p / pieces; k < begin + run * (p + 1) / pieces; ++k) {
        strip.push_back(rows[k].second);
      }
      strips.push_back(std::move(strip));
    }
    begin = end;
  }
  return strips;
}

void TileCache::PaintStrip(const std::vector<size_t>& strip, std::vector<Job>& jobs) {
  if (strip.size() == 1) {
    const Job& job = jobs[strip.front()];
    PaintTile(ImageOf(job), TileRectOf(job.key), job);
    return;
  }
  Job together;
  QRect rect;
  for (size_t j : strip) {
    together.ops.insert(together.ops.end(), jobs[j].ops.begin(), jobs[j].ops.end());
    rect |= TileRectOf(jobs[j].key);
    together.whole = together.whole && jobs[j].whole;
    together.clip |= jobs[j].whole ? QRegion(TileRectOf(jobs[j].key)) : jobs[j].clip;
  }
  std::sort(together.ops.begin(), together.ops.end());
  together.ops.erase(std::unique(together.ops.begin(), together.ops.end()), together.ops.end());
  QImage image(rect.size(), QImage::Format_ARGB32_Premultiplied);
  PaintTile(image, rect, together);
  for (size_t j : strip) ImageOf(jobs[j]) = image.copy(TileRectOf(jobs[j].key).translated(-rect.topLeft()));
}

QImage& TileCache::ImageOf(const Job& job) {
  Tile& tile = tiles_.at(job.key);
  return job.layer == Layer::kBelow ? tile.below
                                    : job.layer == Layer::kAbove ? tile.above : tile.image;
}

void TileCache::Run(std::vector<Job>& jobs) {
  auto stampsOf = [this](const Job& job) -> std::vector<PaintStamp>& {
    Tile& tile = tiles_.at(job.key);
    return job.layer == Layer::kBelow ? tile.belowStamps
                                      : job.layer == Layer::kAbove ? tile.aboveStamps : tile.stamps;
  };
  for (Job& job : jobs) {
    tiles_.try_emplace(job.key);
    QImage& image = ImageOf(job);
    if (image.isNull()) {
      image = QImage(kTileSize, kTileSize, QImage::Format_ARGB32_Premultiplied);
      job.fresh = true;
      // A split picture is always painted whole.
      if (job.layer != Layer::kWhole) job.whole = true;
    }
  }
  const std::vector<std::vector<size_t>> strips = StripsOf(jobs);
  try {
    RunPaintingInParallel(strips.size(), [&](size_t s) { PaintStrip(strips[s], jobs); });
  } catch (...) {
    // Half painted tiles are dropped.
    for (const Job& job : jobs) tiles_.erase(job.key);
    throw;
  }
  for (const Job& job : jobs) {
    stampsOf(job) = StampsOf(job.ops);
    repainted_ += job.whole ? Area(TileRectOf(job.key)) : Area(job.clip);
    if (job.layer == Layer::kWhole) {
      // Exact again: the split pictures are no longer needed.
      Tile& tile = tiles_.at(job.key);
      tile.painted = job.whole ? QRegion(TileRectOf(job.key)) : tile.painted.united(job.clip);
      tile.shown = tile.below = tile.above = QImage();
      tile.belowStamps.clear();
      tile.aboveStamps.clear();
    }
  }
}

void TileCache::Update(const QRect& area) {
  ++clock_;
  repainted_ = 0;
  std::vector<Job> jobs;
  std::vector<int64_t> split;
  Job job;
  for (int64_t key : TileKeysOver(area)) {
    if (PlanSplit(key, jobs)) {
      split.push_back(key);
    } else if (PlanTile(key, TileRectOf(key) & area, job)) {
      jobs.push_back(std::move(job));
    } else if (auto kept = tiles_.find(key); kept != tiles_.end()) {
      kept->second.shown = QImage();
    }
  }
  Run(jobs);
  for (int64_t key : split) ShowSplit(key);
  for (int64_t key : TileKeysOver(area)) tiles_.at(key).used = clock_;
  DropFarTiles(area);
}

bool TileCache::PaintAhead(int count, bool settle, const QRect& around) {
  std::vector<Job> jobs;
  Job job;
  bool more = false;
  for (int64_t key : TileKeysOver(around & paints_.Area())) {
    const auto kept = tiles_.find(key);
    if (!settle && kept != tiles_.end() && !kept->second.shown.isNull()) continue;
    if (!PlanTile(key, TileRectOf(key), job)) continue;
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
    const QPointF d = QRectF(TileRectOf(key)).center() - centre;
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
  for (int64_t key : TileKeysOver(visible)) {
    const auto kept = tiles_.find(key);
    if (kept == tiles_.end()) continue;
    const Tile& tile = kept->second;
    painter.drawImage(TileRectOf(key).topLeft() + shift, tile.shown.isNull() ? tile.image : tile.shown);
  }
}

}  // namespace tavisk
