#include "render/pick.h"

#include <algorithm>
#include <cmath>

#include "document/numeric.h"

namespace tavisk {

namespace {

// How close to a drawn outline a press still hits it, in screen pixels.
constexpr double kOutlineReachPixels = 4.0;

// Half the stroke in screen pixels plus the reach: a thick outline is hit
// anywhere on its ink, a hairline within a few pixels whatever the zoom.
double OutlineReach(const EditorContext& ctx, const sObject& object, const sShape& shape) {
  const double objectScale = std::max(std::abs(object.W), std::abs(object.H)) * 0.01;
  const double stroke = shape.Style == 0 ? 0.0 : static_cast<double>(shape.Width);
  return kOutlineReachPixels + 0.5 * stroke * ZoomFactor(ctx.Options) * objectScale;
}

// A picture leaves no path: it is hit inside the rectangle it is drawn in.
bool InPicture(const CanvasView& view, const sShape& shape, int64_t x, int64_t y) {
  const int64_t left = view.PanX + shape.X;
  const int64_t top = view.PanY + shape.Y;
  return x >= std::min<int64_t>(left, left + shape.W) && x <= std::max<int64_t>(left, left + shape.W) &&
         y >= std::min<int64_t>(top, top + shape.H) && y <= std::max<int64_t>(top, top + shape.H);
}

}  // namespace

bool PickRuns(const EditorContext& ctx, const CanvasView& view, int64_t object, int pick) {
  return pick == 1 && !view.CreateMode && object == ctx.CurrentObject &&
         (view.Pick == PickState::Open || view.Pick == PickState::Hit);
}

void DeselectCurrentObject(EditorContext& ctx) {
  if (sObject* object = ctx.CurrentObjectPtr()) {
    for (sShape& shape : object->Shape) shape.Selected = 0;
  }
}

void PickTest(EditorContext& ctx, CanvasView& view, const Surface& surface, int64_t index,
              int64_t x, int64_t y) {
  sObject* object = ctx.CurrentObjectPtr();
  if (object == nullptr || !ValidIndex(object->Shape, index)) return;
  sShape& shape = object->Shape[static_cast<size_t>(index)];
  const double px = static_cast<double>(x);
  const double py = static_cast<double>(y);
  const bool hit = shape.Typ == kImage
                       ? InPicture(view, shape, x, y)
                       : surface.IsPointInPath(px, py) ||
                             surface.IsPointNearPath(px, py, OutlineReach(ctx, *object, shape));
  if (hit && view.Drag == DragMode::None) {
    if (!view.ShiftHeld) {
      DeselectCurrentObject(ctx);
      view.Pick = PickState::Hit;
      ctx.CurrentShape = index;
      ctx.Hooks->ShowShapeProperties();
    } else {
      view.Drag = DragMode::Shapes;
    }
    shape.Selected = 1;
  } else if (!view.ShiftHeld) {
    shape.Selected = 0;
  }
}

void SettlePick(EditorContext& ctx, CanvasView& view) {
  if (view.CreateMode) return;
  if (view.Pick == PickState::Hit ||
      (view.Pick == PickState::Open && view.Drag == DragMode::Shapes)) {
    view.Pick = PickState::Settled;
    view.Drag = DragMode::Shapes;
    ctx.Hooks->ShowShapeProperties();
  } else if (view.Pick == PickState::Open && view.SelectTool) {
    DeselectCurrentObject(ctx);
  }
}

}  // namespace tavisk
