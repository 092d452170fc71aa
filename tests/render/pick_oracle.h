// The reference pick for the agreement test: the scene is walked as a redraw
// walks it, on a surface over a canvas, and each shown shape of the current
// object is tested through the surface's IsPointInPath and IsPointNearPath
// at the moment its path is built, then the pick is settled. Brute force on
// purpose: it shares nothing with the hit index but the path building.
#pragma once

#include <QImage>
#include <algorithm>
#include <cmath>
#include <vector>

#include "document/canvas_view.h"
#include "document/editor_context.h"
#include "document/numeric.h"
#include "render/painter_surface.h"
#include "render/renderer.h"
#include "render/shape_paint.h"

namespace tavisk::test {

class ReferencePick {
 public:
  ReferencePick(EditorContext& ctx, CanvasView& view) : ctx_(ctx), view_(view) {}

  void Run(QImage& canvas, int64_t x, int64_t y) {
    PainterSurface surface(canvas);
    if (!surface.BeginSurface()) return;
    std::vector<PaintOp> discarded;
    surface.RecordPaintsInto(&discarded);
    for (int64_t i = 0; i <= LastIndex(ctx_.Obj); ++i) {
      const sObject& object = ctx_.Obj[static_cast<size_t>(i)];
      if (object.Hide != 0 || object.HasShape == 0) continue;
      ApplyViewTransform(ctx_, surface);
      ApplyObjectTransform(surface, object);
      const bool runs = !view_.CreateMode && i == ctx_.CurrentObject &&
                        (view_.Pick == PickState::Open || view_.Pick == PickState::Hit);
      for (int64_t j = 0; j <= LastIndex(object.Shape); ++j) {
        const sShape& shape = object.Shape[static_cast<size_t>(j)];
        if (shape.Hide != 0 || (ctx_.Options.ShowOnlySel != 0 && j != ctx_.CurrentShape)) continue;
        DrawShapeFxLayer(ctx_, view_, surface, object, j, 0);
        BuildShapePath(ctx_, view_, surface, object, j);
        if (runs) Test(surface, j, x, y);
        if (shape.Link == 0 || j == LastIndex(object.Shape)) PaintShapePath(surface, shape);
        DrawShapeFxLayer(ctx_, view_, surface, object, j, 1);
        discarded.clear();
      }
    }
    Settle();
    surface.EndSurface();
  }

 private:
  void DeselectAll() {
    for (sShape& shape : ctx_.Obj[static_cast<size_t>(ctx_.CurrentObject)].Shape) shape.Selected = 0;
  }

  bool Hit(const Surface& surface, const sObject& object, const sShape& shape, int64_t x,
           int64_t y) const {
    if (shape.Typ == kImage) {
      const int64_t left = view_.PanX + shape.X;
      const int64_t top = view_.PanY + shape.Y;
      return x >= std::min<int64_t>(left, left + shape.W) &&
             x <= std::max<int64_t>(left, left + shape.W) &&
             y >= std::min<int64_t>(top, top + shape.H) && y <= std::max<int64_t>(top, top + shape.H);
    }
    const double scale = std::max(std::abs(object.W), std::abs(object.H)) * 0.01;
    const double stroke = shape.Style == 0 ? 0.0 : static_cast<double>(shape.Width);
    const double reach = 4.0 + 0.5 * stroke * ZoomFactor(ctx_.Options) * scale;
    const double px = static_cast<double>(x);
    const double py = static_cast<double>(y);
    return surface.IsPointInPath(px, py) || surface.IsPointNearPath(px, py, reach);
  }

  void Test(const Surface& surface, int64_t j, int64_t x, int64_t y) {
    sObject& object = ctx_.Obj[static_cast<size_t>(ctx_.CurrentObject)];
    sShape& shape = object.Shape[static_cast<size_t>(j)];
    if (Hit(surface, object, shape, x, y) && view_.Drag == DragMode::None) {
      if (!view_.ShiftHeld) {
        DeselectAll();
        view_.Pick = PickState::Hit;
        ctx_.CurrentShape = j;
      } else {
        view_.Drag = DragMode::Shapes;
      }
      shape.Selected = 1;
    } else if (!view_.ShiftHeld) {
      shape.Selected = 0;
    }
  }

  void Settle() {
    if (view_.CreateMode) return;
    if (view_.Pick == PickState::Hit ||
        (view_.Pick == PickState::Open && view_.Drag == DragMode::Shapes)) {
      view_.Pick = PickState::Settled;
      view_.Drag = DragMode::Shapes;
    } else if (view_.Pick == PickState::Open && view_.SelectTool &&
               ValidIndex(ctx_.Obj, ctx_.CurrentObject)) {
      DeselectAll();
    }
  }

  EditorContext& ctx_;
  CanvasView& view_;
};

}  // namespace tavisk::test
