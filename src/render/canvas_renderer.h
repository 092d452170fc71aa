// The canvas renderer with what it keeps between redraws. The scene is
// recorded as a list of paints in pan-free device space (the pan, rounded
// to whole device pixels, is left out: see PanShift) and painted into
// kept tiles (tile_cache.h), which are repainted only where their paints
// change. A pan shifts the canvas over the same tiles, a selection change
// repaints no tile, and the tiles around the canvas are painted ahead when
// the editor is idle. Every redraw shows exactly what a redraw from
// nothing shows. A redraw only reads the editing state; presses are
// resolved apart from it.
#pragma once

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <cstdint>
#include <functional>

#include "document/canvas_view.h"
#include "document/editor_context.h"
#include "render/shape_bounds.h"
#include "render/shape_memo.h"
#include "render/text_path_cache.h"
#include "render/tile_cache.h"

namespace tavisk {

class PainterSurface;

// How much of a frame a redraw paints, and when it gives up.
struct RedrawOptions {
  // Handles, outlines, grid and camera frame over the scene.
  bool overlays = true;
  // Asked between shapes; true stops the redraw, leaving the canvas
  // unfinished and the kept layers as they were.
  std::function<bool()> stop;
};

class CanvasRenderer {
 public:
  // RedrawCanvas on this renderer's kept state.
  // false when options.stop cut it short.
  bool Redraw(const EditorContext& ctx, const CanvasView& view, QImage& canvas,
              const RedrawOptions& options = {});
  // Paints a few of the tiles around the canvas of the last redraw that
  // are not up to date, and when settle the tiles shown split during a
  // drag; answers whether more remain.
  bool PaintAhead(bool settle);
  // The next redraw repaints everything and builds every path again.
  void Invalidate();
  const TileCache& Tiles() const { return tiles_; }

 private:
  // Where the pan puts the pan-free space: canvas pixel (0, 0) is the
  // pan-free pixel -shift; pan is the pan on the device before rounding.
  struct Placement {
    double zoom = 1;
    QPoint shift;
    QPointF pan;
  };

  // One redraw's paints, the shape that made each, and the active shapes.
  struct Recording {
    std::vector<PaintOp> ops;
    std::vector<uint64_t> owners;
    std::vector<uint64_t> active;
  };

  static Placement PlacementOf(const EditorContext& ctx, const CanvasView& view);
  // False when stop asked to give up.
  bool RecordObjects(const EditorContext& ctx, const CanvasView& view, const Placement& placement,
                     PainterSurface& surface, const QRect& area, Recording& recording,
                     const std::function<bool()>& stop);
  // areaKey: the recorded area when the shape's paints depend on it
  // (ShapeFingerprint).
  void RecordShape(const EditorContext& ctx, PainterSurface& surface, int64_t object, int64_t shape,
                   const QRectF& areaKey);

  TextPathCache text_cache_;
  ShapeBounds bounds_;
  ShapeMemo memo_;
  TileCache tiles_;
};

}  // namespace tavisk
