// The scene's pixels kept in square tiles of the pan-free device space (the
// canvas shifted by the whole-pixel part of the pan). Each tile holds every
// paint over it, and remembers which paints it holds (their hashes and
// bounds), so a redraw repaints only the tiles, and the parts of tiles,
// whose paints changed. A pan moves the canvas over the same tiles, a
// selection change touches no tile at all, and tiles outside the canvas are
// painted ahead while the editor is idle. Missing tiles are painted in
// parallel on the pool's threads.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "render/paint_op.h"
#include "render/scene_layer.h"

namespace tavisk {

// What every kept pixel depends on besides the paints: a change drops all
// tiles.
struct TileBasis {
  double zoom = 0;
  QPointF phase;      // sub-pixel part of the pan on the device
  Backdrop backdrop;  // painted under the paints of each tile
  bool operator==(const TileBasis&) const = default;
};

class TileCache {
 public:
  static constexpr int kTileSize = 256;

  void SetBasis(const TileBasis& basis);
  // This redraw's paints in pan-free device space, complete over area.
  void SetPaints(std::vector<PaintOp> ops, const QRect& area);
  // Repaints the tiles over area (pan-free) whose paints changed.
  void Update(const QRect& area);
  // Paints at most count of the tiles over the painted area of the last
  // SetPaints that are not up to date; answers whether any remain.
  bool PaintAhead(int count);
  // Draws the tiles over the canvas, whose pixel (0, 0) is the pan-free
  // point -shift, with SourceOver when blend (else replacing the pixels).
  void Compose(QImage& canvas, QPoint shift, bool blend) const;
  void Clear();
  // Pixels repainted since the last SetPaints (for tests and benchmarks).
  int64_t RepaintedArea() const { return repainted_; }
  size_t TileCount() const { return tiles_.size(); }

 private:
  struct Tile {
    QImage image;
    std::vector<PaintStamp> stamps;
    uint64_t used = 0;
  };
  // A tile to paint: its index, its new stamps and where to paint (an
  // empty region paints it whole).
  struct Job {
    int64_t key;
    std::vector<uint32_t> ops;
    QRegion clip;
    bool whole;
  };

  static int64_t Key(int column, int row);
  static QRect TileRect(int64_t key);
  std::vector<int64_t> KeysOver(const QRect& area) const;
  // The job that brings the tile up to date; false when it is.
  bool PlanTile(int64_t key, Job& job);
  void Run(std::vector<Job>& jobs);
  void PaintTile(QImage& image, const QRect& rect, const Job& job) const;
  void DropFarTiles(const QRect& area);

  TileBasis basis_;
  std::vector<PaintOp> ops_;
  std::unordered_map<int64_t, std::vector<uint32_t>> index_;
  QRect area_;
  std::unordered_map<int64_t, Tile> tiles_;
  uint64_t clock_ = 0;
  int64_t repainted_ = 0;
};

}  // namespace tavisk
