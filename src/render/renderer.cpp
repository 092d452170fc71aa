#include "render/renderer.h"

#include <cmath>

#include "render/canvas_renderer.h"
#include "render/painter_surface.h"
#include "render/painting_failure.h"
#include "render/shape_paint.h"

namespace tavisk {

void ApplyViewTransform(const EditorContext& ctx, Surface& surface) {
  const double z = ZoomFactor(ctx.Options);
  surface.ResetTransform();
  surface.ScaleTransform(z, z);
}

QPoint PanShift(const EditorContext& ctx, const CanvasView& view) {
  const double z = ZoomFactor(ctx.Options);
  return QPoint(static_cast<int>(std::lround(z * view.PanX)),
                static_cast<int>(std::lround(z * view.PanY)));
}

void ApplyCanvasTransform(const EditorContext& ctx, const CanvasView& view, Surface& surface) {
  const double z = ZoomFactor(ctx.Options);
  const QPoint shift = PanShift(ctx, view);
  surface.ResetTransform();
  surface.TranslateTransform(shift.x() - z * view.PanX, shift.y() - z * view.PanY);
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

void DrawCanvasOverlays(const EditorContext& ctx, const CanvasView& view, Surface& surface) {
  // Handles and outlines sit on the current object's shapes.
  ApplyCanvasTransform(ctx, view, surface);
  if (ValidIndex(ctx.Obj, ctx.CurrentObject)) {
    ApplyObjectTransform(surface, ctx.Obj[static_cast<size_t>(ctx.CurrentObject)]);
  }
  DrawOverlays(ctx, view, surface);
}

void DrawCanvasOverlays(const EditorContext& ctx, const CanvasView& view, QImage& canvas) {
  PainterSurface surface(canvas);
  if (!surface.BeginSurface()) return;
  DrawCanvasOverlays(ctx, view, surface);
  surface.EndSurface();
}

namespace {

// The one renderer of the program's run, whichever thread paints with it.
CanvasRenderer& ProgramRenderer() {
  static CanvasRenderer renderer;
  return renderer;
}

PaintingFailureReport& ProgramFailures() {
  static PaintingFailureReport failures;
  return failures;
}

void RedrawReported(const EditorContext& ctx, const CanvasView& view, QImage& canvas,
                    const RedrawOptions& options) {
  CanvasRenderer& renderer = ProgramRenderer();
  // A redraw cut short leaves the kept layers half painted.
  if (!ProgramFailures().Run(ctx.Req,
                             [&] { renderer.Redraw(ctx, view, canvas, options); })) {
    renderer.Invalidate();
  }
}

}  // namespace

bool PaintCanvasAhead(const EditorContext& ctx, const CanvasView& view) {
  bool more = false;
  CanvasRenderer& renderer = ProgramRenderer();
  // Tiles shown split under a drag are settled once it ends.
  if (!ProgramFailures().Run(ctx.Req, [&] { more = renderer.PaintAhead(ctx, view, view.Drag == DragMode::None); })) {
    renderer.Invalidate();
  }
  return more;
}

void TellCanvasOfEdits() { ProgramRenderer().TellOfEdits(); }

void CanvasSceneEdited() { ProgramRenderer().SceneEdited(); }

void RedrawCanvas(const EditorContext& ctx, const CanvasView& view, QImage& canvas) {
  RedrawReported(ctx, view, canvas, RedrawOptions{});
}

void RedrawCanvasScene(const EditorContext& ctx, const CanvasView& view, QImage& canvas) {
  RedrawReported(ctx, view, canvas, RedrawOptions{.overlays = false, .stop = {}, .live = true});
}

bool PaintSceneCopy(const EditorContext& scene, const CanvasView& view, QImage& canvas,
                    const std::function<bool()>& stop) {
  CanvasRenderer& renderer = ProgramRenderer();
  try {
    return renderer.Redraw(scene, view, canvas,
                           RedrawOptions{.overlays = false, .stop = stop, .live = false});
  } catch (...) {
    renderer.Invalidate();
    throw;
  }
}

void SettlePaintingOutcome(Requesters* req, const std::exception_ptr& failure) {
  ProgramFailures().Run(req, [&] {
    if (failure) std::rethrow_exception(failure);
  });
}

}  // namespace tavisk
