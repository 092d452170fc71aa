// The canvas renderer with what it keeps between redraws. The scene is
// recorded as a list of paints and composed from three layers: the paints
// below the selected shapes (with background and checker), the paints of the
// selected shapes themselves, drawn straight onto the canvas, and the paints
// above them. The layers below and above are kept as images and repainted
// only where their paints change, so a drag repaints little more than the
// dragged shapes. The split depends only on the scene and the selection, so
// every redraw shows exactly what a redraw from nothing shows. A redraw only
// reads the editing state; presses are resolved apart from it.
#pragma once

#include <QImage>
#include <cstdint>

#include "document/editor_context.h"
#include "render/scene_layer.h"
#include "render/shape_memo.h"
#include "render/text_path_cache.h"

namespace tavisk {

class PainterSurface;

class CanvasRenderer {
 public:
  // RedrawCanvas on this renderer's kept state.
  void Redraw(const EditorContext& ctx, const CanvasView& view, QImage& canvas);
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

  void DrawObjects(const EditorContext& ctx, const CanvasView& view, PainterSurface& surface);
  void DrawShape(const EditorContext& ctx, const CanvasView& view, PainterSurface& surface,
                 int64_t object, int64_t shape);
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
