#include "render/renderer.h"

#include "document/numeric.h"
#include "render/painter_surface.h"
#include "render/pick.h"
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

// Each object's transform starts again from the view, so a layer never
// inherits the scale or rotation of the layers drawn before it.
void DrawObjects(EditorContext& ctx, Surface& surface, int64_t x, int64_t y, int pick) {
  for (int64_t i = 0; i <= LastIndex(ctx.Obj); ++i) {
    const sObject& object = ctx.Obj[static_cast<size_t>(i)];
    if (object.Hide != 0) continue;
    ApplyViewTransform(ctx, surface);
    ApplyObjectTransform(surface, object);
    const int64_t last = LastIndex(object.Shape);
    for (int64_t j = 0; j <= last; ++j) {
      if (!ShapeShown(ctx, object.Shape[static_cast<size_t>(j)], j)) continue;
      DrawShapeFxLayer(ctx, surface, object, j, 0);
      BuildShapePath(ctx, surface, object, j);
      if (PickRuns(ctx, i, pick)) PickTest(ctx, surface, j, x, y);
      // A linked shape leaves its path to the next one: one even-odd paint.
      const sShape& shape = object.Shape[static_cast<size_t>(j)];
      if (shape.Link == 0 || j == last) PaintShapePath(surface, shape);
      DrawShapeFxLayer(ctx, surface, object, j, 1);
    }
  }
}

}  // namespace

void ApplyViewTransform(const EditorContext& ctx, Surface& surface) {
  const double z = ctx.Options.Zoom * 0.01;
  surface.ResetTransform();
  surface.ScaleTransform(z, z);
}

void ApplyObjectTransform(Surface& surface, const sObject& object) {
  surface.ScaleTransform(object.W * 0.01, object.H * 0.01);
  surface.RotateTransform(object.CenterX, object.CenterY, object.Angle);
  surface.TranslateTransform(static_cast<double>(object.X), static_cast<double>(object.Y));
}

void DrawSceneForExport(const EditorContext& ctx, Surface& surface) {
  surface.ResetTransform();
  for (const sObject& object : ctx.Obj) {
    if (object.Hide != 0) continue;
    for (int64_t j = 0; j <= LastIndex(object.Shape); ++j) {
      DrawShapeFxLayer(ctx, surface, object, j, 0);
      BuildShapePath(ctx, surface, object, j);
      PaintShapePath(surface, object.Shape[static_cast<size_t>(j)]);
      DrawShapeFxLayer(ctx, surface, object, j, 1);
    }
  }
}

void CanvasRenderer::Redraw(EditorContext& ctx, QImage& canvas, int64_t x, int64_t y, int pick) {
  PainterSurface surface(canvas, &text_cache_);
  if (!surface.BeginSurface()) return;

  // The scene is recorded as a list of paints, then brought onto the kept
  // layer, which repaints only where the list changed.
  std::vector<PaintOp> ops;
  ops.reserve(last_op_count_);
  surface.RecordPaintsInto(&ops);
  if (ctx.ObjReady >= 1) {
    DrawObjects(ctx, surface, x, y, pick);
    SettlePick(ctx, x, y);
  }
  surface.RecordPaintsInto(nullptr);
  last_op_count_ = ops.size();
  layer_.Update(BackdropOf(ctx.Options), canvas.size(), std::move(ops));
  surface.ShowPicture(layer_.Image());

  // Handles and outlines sit on the current object's shapes.
  ApplyViewTransform(ctx, surface);
  if (const sObject* object = ctx.CurrentObjectPtr()) ApplyObjectTransform(surface, *object);
  DrawOverlays(ctx, surface);
  surface.EndSurface();
}

void RedrawCanvas(EditorContext& ctx, QImage& canvas, int64_t x, int64_t y, int pick) {
  static CanvasRenderer renderer;
  renderer.Redraw(ctx, canvas, x, y, pick);
}

}  // namespace tavisk
