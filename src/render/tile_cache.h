// The scene's pixels kept in square tiles of the pan-free device space (the
// canvas shifted by the whole-pixel part of the pan). Each tile holds every
// paint over it, and remembers which paints it holds (their hashes and
// bounds), so a redraw repaints only the tiles, and the parts of tiles,
// whose paints changed. A pan moves the canvas over the same tiles, a
// selection change touches no tile at all, and tiles outside the canvas are
// painted ahead while the editor is idle. Missing tiles are painted in
// parallel on the pool's threads.
//
// While only the active shapes' paints change (a drag), a tile under them
// is shown split instead: a kept image of the paints below them, their
// paints played straight, and a kept image of the paints above, which
// rounds translucent paints above a little differently. Settling paints
// such tiles exactly again.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "render/paint_op.h"
#include "render/scene_layer.h"
#include "render/tile_paints.h"

namespace tavisk {

// What every kept pixel depends on besides the paints: a change drops all
// tiles.
struct TileBasis {
  double zoom = 0;
  Backdrop backdrop;  // painted under the paints of each tile
  bool operator==(const TileBasis&) const = default;
};

class TileCache {
 public:
  static constexpr int kTileSize = kTilePixels;

  void SetBasis(const TileBasis& basis);
  // This redraw's paints in pan-free device space, complete over area,
  // with the shape that made each (owners) and the active shapes, sorted.
  void SetPaints(std::vector<PaintOp> ops, std::vector<uint64_t> owners,
                 std::vector<uint64_t> active, const QRect& area);
  // Between redraws of the same paints but those of a few shapes: the
  // paints of owner become ops, and the active shapes are active.
  void ReplacePaints(uint64_t owner, std::vector<PaintOp> ops);
  void SetActive(std::vector<uint64_t> active);
  const TilePaints& Paints() const { return paints_; }
  // Repaints the tiles over area (pan-free) whose paints changed.
  void Update(const QRect& area);
  // Paints at most count of the tiles over around and the area of the last
  // SetPaints that are not up to date, tiles shown split only when settle;
  // answers whether any remain.
  bool PaintAhead(int count, bool settle, const QRect& around);
  // Draws the tiles over the canvas, whose pixel (0, 0) is the pan-free
  // point -shift, with SourceOver when blend (else replacing the pixels).
  void Compose(QImage& canvas, QPoint shift, bool blend) const;
  void Clear();
  // Pixels repainted by the last Update and the paints ahead since (for
  // tests and benchmarks).
  int64_t RepaintedArea() const { return repainted_; }
  size_t TileCount() const { return tiles_.size(); }

 private:
  enum class Layer : uint8_t { kWhole, kBelow, kAbove };
  struct Tile {
    QImage image;  // every paint, exactly, where painted
    // The part of the tile painted so far: a tile at the canvas's edge is
    // painted only where the canvas shows it, until it is painted ahead.
    QRegion painted;
    std::vector<PaintStamp> stamps;
    QImage below, above;
    std::vector<PaintStamp> belowStamps, aboveStamps;
    QImage shown;  // the split picture shown instead of image, if any
    uint64_t used = 0;
  };
  // A tile image to paint: which, from which paints, and where (whole, or
  // in clip).
  struct Job {
    int64_t key = 0;
    Layer layer = Layer::kWhole;
    std::vector<uint32_t> ops;
    QRegion clip;
    bool whole = true;
    // The tile had no image: nothing painted before is to be kept.
    bool fresh = false;
  };

  std::vector<PaintStamp> StampsOf(const std::vector<uint32_t>& ops) const;
  // Whether stamps are those of ops, by hash.
  bool Holds(const std::vector<PaintStamp>& stamps, const std::vector<uint32_t>& ops) const;
  // The job that brings the tile's exact image up to date over need (a
  // part of the tile); false when it is.
  bool PlanTile(int64_t key, const QRect& need, Job& job);
  bool CutsPicture(const std::vector<uint32_t>& ops, const QRegion& clip) const;
  // The jobs that bring the split images up to date; false when the tile
  // cannot be shown split (other paints than the active ones changed).
  bool PlanSplit(int64_t key, std::vector<Job>& jobs);
  void ShowSplit(int64_t key);
  void Run(std::vector<Job>& jobs);
  QImage& ImageOf(const Job& job);
  // The jobs, by index, grouped so that whole tiles next to each other in a
  // row are painted as one strip: a paint crossing them goes through the
  // rasteriser once.
  std::vector<std::vector<size_t>> StripsOf(const std::vector<Job>& jobs) const;
  void PaintStrip(const std::vector<size_t>& strip, std::vector<Job>& jobs);
  void PaintTile(QImage& image, const QRect& rect, const Job& job) const;
  void DropFarTiles(const QRect& area);

  TileBasis basis_;
  TilePaints paints_;
  std::unordered_map<int64_t, Tile> tiles_;
  uint64_t clock_ = 0;
  int64_t repainted_ = 0;
};

}  // namespace tavisk
