// The canvas renderer with what it keeps between redraws. The scene is
// recorded as a list of paints and composed from three layers: the paints
// below the selected shapes (with background and checker), the paints of the
// selected shapes themselves, drawn straight onto the canvas, and the paints
// above them. The layers below and above are kept as images and repainted
// only where their paints change, so a drag repaints little more than the
// dragged shapes. The split depends only on the scene and the selection, so
// every redraw shows and picks exactly what a redraw from nothing shows.
#pragma once

#include <QImage>
#include <cstdint>
#include <functional>

#include "document/editor_context.h"
#include "render/scene_layer.h"
#include "render/shape_memo.h"
#include "render/text_path_cache.h"

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
  // RedrawCanvas on this renderer's kept state; false when options.stop cut
  // it short.
  bool Redraw(EditorContext& ctx, CanvasView& view, QImage& canvas, int64_t x, int64_t y, int pick,
              const RedrawOptions& options = {});
  // The next redraw repaints both kept layers whole.
  void Invalidate();
  const SceneLayer& Below() const { return below_; }
  const SceneLayer& Above() const { return above_; }

 private:
  // Where the paints of a shape of the current object start and end.
  struct ShapeSpan {
    int64_t shape;
    size_t begin, end;
  };

  // False when stop asked to give up.
  bool DrawObjects(EditorContext& ctx, CanvasView& view, PainterSurface& surface, int64_t x,
                   int64_t y, int pick, const std::function<bool()>& stop);
  void DrawShape(EditorContext& ctx, CanvasView& view, PainterSurface& surface, int64_t object,
                 int64_t shape, bool pickRuns, int64_t x, int64_t y);
  void Compose(const EditorContext& ctx, PainterSurface& surface, QSize size);

  TextPathCache text_cache_;
  ShapeMemo memo_;
  QSize memo_size_;
  SceneLayer below_;
  SceneLayer above_;
  std::vector<PaintOp> ops_;
  std::vector<ShapeSpan> spans_;
};

}  // namespace tavisk
