#include "render/canvas_renderer.h"

#include <algorithm>
#include <iterator>

#include "document/numeric.h"
#include "render/painter_surface.h"
#include "render/renderer.h"
#include "render/shape_paint.h"

namespace tavisk {

namespace {

Backdrop BackdropOf(const sPzOptions& options) {
  const int64_t c = options.BgColor;
  return Backdrop{qRgba(Red(c), Green(c), Blue(c), Alpha(c)), options.BgImg != 0};
}

bool ShapeShown(const EditorContext& ctx, const sShape& shape, int64_t index) {
  return shape.Hide == 0 && (ctx.Options.ShowOnlySel == 0 || index == ctx.CurrentShape);
}

// The shapes a drag changes: the selected ones and the one whose points are
// edited.
bool ShapeActive(const EditorContext& ctx, const sShape& shape, int64_t index) {
  return shape.Selected == 1 || index == ctx.CurrentShape;
}

}  // namespace

void CanvasRenderer::Invalidate() {
  below_.Invalidate();
  above_.Invalidate();
}

void CanvasRenderer::DrawShape(const EditorContext& ctx, const CanvasView& view,
                               PainterSurface& surface, int64_t i, int64_t j) {
  const sObject& object = ctx.Obj[static_cast<size_t>(i)];
  const sShape& shape = object.Shape[static_cast<size_t>(j)];
  // Paints of an unchanged shape are taken as they were, with the figures
  // it left for the next paint.
  const uint64_t fingerprint =
      ShapeFingerprint(ctx, view, object, j, surface.Transform(), surface.PendingPath());
  if (const ShapeDrawing* kept = memo_.Find(i, j, fingerprint)) {
    ops_.insert(ops_.end(), kept->ops.begin(), kept->ops.end());
    surface.SetPendingPath(kept->leftover);
    return;
  }
  const size_t begin = ops_.size();
  DrawShapeFxLayer(ctx, view, surface, object, j, 0);
  BuildShapePath(ctx, view, surface, object, j);
  // A linked shape leaves its path to the next one: one even-odd paint.
  if (shape.Link == 0 || j == LastIndex(object.Shape)) PaintShapePath(surface, shape);
  DrawShapeFxLayer(ctx, view, surface, object, j, 1);
  memo_.Keep(i, j, fingerprint,
             ShapeDrawing{std::vector<PaintOp>(ops_.begin() + static_cast<ptrdiff_t>(begin), ops_.end()),
                          surface.PathIsEmpty() ? QPainterPath() : surface.PendingPath()});
}

// Each object's transform starts again from the view, so a layer never
// inherits the scale or rotation of the layers drawn before it.
void CanvasRenderer::DrawObjects(const EditorContext& ctx, const CanvasView& view,
                                 PainterSurface& surface) {
  for (int64_t i = 0; i <= LastIndex(ctx.Obj); ++i) {
    // A layer whose last shape was deleted keeps a placeholder that is not
    // drawn; the other layers are.
    if (ctx.Obj[static_cast<size_t>(i)].Hide != 0 || ctx.Obj[static_cast<size_t>(i)].HasShape == 0) {
      continue;
    }
    ApplyViewTransform(ctx, surface);
    ApplyObjectTransform(surface, ctx.Obj[static_cast<size_t>(i)]);
    for (int64_t j = 0; j <= LastIndex(ctx.Obj[static_cast<size_t>(i)].Shape); ++j) {
      if (!ShapeShown(ctx, ctx.Obj[static_cast<size_t>(i)].Shape[static_cast<size_t>(j)], j)) {
        continue;
      }
      const size_t begin = ops_.size();
      DrawShape(ctx, view, surface, i, j);
      if (i == ctx.CurrentObject) spans_.push_back({j, begin, ops_.size()});
    }
  }
}

void CanvasRenderer::Compose(const EditorContext& ctx, PainterSurface& surface, QSize size) {
  // Split the paints at the selected shapes.
  bool any = false;
  size_t first = ops_.size();
  size_t last = ops_.size();
  if (ValidIndex(ctx.Obj, ctx.CurrentObject)) {
    const sObject& object = ctx.Obj[static_cast<size_t>(ctx.CurrentObject)];
    for (const ShapeSpan& span : spans_) {
      if (span.begin == span.end ||
          !ShapeActive(ctx, object.Shape[static_cast<size_t>(span.shape)], span.shape)) {
        continue;
      }
      first = any ? std::min(first, span.begin) : span.begin;
      last = any ? std::max(last, span.end) : span.end;
      any = true;
    }
  }

  std::vector<PaintOp> below(std::make_move_iterator(ops_.begin()),
                             std::make_move_iterator(ops_.begin() + static_cast<ptrdiff_t>(first)));
  std::vector<PaintOp> above(std::make_move_iterator(ops_.begin() + static_cast<ptrdiff_t>(last)),
                             std::make_move_iterator(ops_.end()));
  below_.Update(BackdropOf(ctx.Options), size, std::move(below));
  above_.Update(Backdrop{}, size, std::move(above));

  surface.ShowPicture(below_.Image());
  for (size_t k = first; k < last; ++k) surface.Play(ops_[k]);
  surface.BlendPicture(above_.Image(), above_.ContentBounds());
}

void CanvasRenderer::Redraw(const EditorContext& ctx, const CanvasView& view, QImage& canvas) {
  PainterSurface surface(canvas, &text_cache_);
  if (!surface.BeginSurface()) return;
  // Kept text paints hold only what was inside the old canvas.
  if (canvas.size() != memo_size_) {
    memo_ = ShapeMemo();
    memo_size_ = canvas.size();
  }

  ops_.clear();
  spans_.clear();
  surface.RecordPaintsInto(&ops_);
  DrawObjects(ctx, view, surface);
  surface.RecordPaintsInto(nullptr);
  Compose(ctx, surface, canvas.size());

  // Handles and outlines sit on the current object's shapes.
  ApplyViewTransform(ctx, surface);
  if (ValidIndex(ctx.Obj, ctx.CurrentObject)) {
    ApplyObjectTransform(surface, ctx.Obj[static_cast<size_t>(ctx.CurrentObject)]);
  }
  DrawOverlays(ctx, view, surface);
  surface.EndSurface();
}

}  // namespace tavisk
