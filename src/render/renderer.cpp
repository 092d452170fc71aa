#include "render/renderer.h"

#include "render/canvas_renderer.h"
#include "render/painting_failure.h"
#include "render/shape_paint.h"

namespace tavisk {

void ApplyViewTransform(const EditorContext& ctx, Surface& surface) {
  const double z = ZoomFactor(ctx.Options);
  surface.ResetTransform();
  surface.ScaleTransform(z, z);
}

void ApplyObjectTransform(Surface& surface, const sObject& object) {
  surface.ScaleTransform(object.W * 0.01, object.H * 0.01);
  surface.RotateTransform(object.CenterX, object.CenterY, object.Angle);
  surface.TranslateTransform(static_cast<double>(object.X), static_cast<double>(object.Y));
}

void DrawObjectForExport(const EditorContext& ctx, Surface& surface, const sObject& object) {
  const CanvasView unpanned;
  for (int64_t j = 0; j <= LastIndex(object.Shape); ++j) {
    DrawShapeFxLayer(ctx, unpanned, surface, object, j, 0);
    BuildShapePath(ctx, unpanned, surface, object, j);
    PaintShapePath(surface, object.Shape[static_cast<size_t>(j)]);
    DrawShapeFxLayer(ctx, unpanned, surface, object, j, 1);
  }
}

void DrawSceneForExport(const EditorContext& ctx, Surface& surface) {
  surface.ResetTransform();
  for (const sObject& object : ctx.Obj) {
    if (object.Hide == 0) DrawObjectForExport(ctx, surface, object);
  }
}

void RedrawCanvas(const EditorContext& ctx, const CanvasView& view, QImage& canvas) {
  static CanvasRenderer renderer;
  static PaintingFailureReport failures;
  // A redraw cut short leaves the kept layers half painted.
  if (!failures.Run(ctx.Req, [&] { renderer.Redraw(ctx, view, canvas); })) {
    renderer.Invalidate();
  }
}

}  // namespace tavisk
