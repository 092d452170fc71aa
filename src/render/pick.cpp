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
  return kOutlineReachPixels + 0.5 * stroke * ctx.ZoomFactor * objectScale;
}

// A picture leaves no path: it is hit inside the rectangle it is drawn in.
bool InPicture(const EditorContext& ctx, const sShape& shape, int64_t x, int64_t y) {
  const int64_t left = ctx.PanX + shape.X;
  const int64_t top = ctx.PanY + shape.Y;
  return x >= std::min<int64_t>(left, left + shape.W) && x <= std::max<int64_t>(left, left + shape.W) &&
         y >= std::min<int64_t>(top, top + shape.H) && y <= std::max<int64_t>(top, top + shape.H);
}

}  // namespace

bool PickRuns(const EditorContext& ctx, int64_t object, int pick) {
  return pick == 1 && ctx.CreateMode == 0 && object == ctx.CurrentObject &&
         (ctx.PickState == 0 || ctx.PickState == -1);
}

void DeselectCurrentObject(EditorContext& ctx) {
  if (sObject* object = ctx.CurrentObjectPtr()) {
    for (sShape& shape : object->Shape) shape.Selected = 0;
  }
}

void PickTest(EditorContext& ctx, const Surface& surface, int64_t index, int64_t x, int64_t y) {
  sObject* object = ctx.CurrentObjectPtr();
  if (object == nullptr || !ValidIndex(object->Shape, index)) return;
  sShape& shape = object->Shape[static_cast<size_t>(index)];
  const double px = static_cast<double>(x);
  const double py = static_cast<double>(y);
  const bool hit = shape.Typ == kImage
                       ? InPicture(ctx, shape, x, y)
                       : surface.IsPointInPath(px, py) ||
                             surface.IsPointNearPath(px, py, OutlineReach(ctx, *object, shape));
  if (hit && ctx.DragMode == 0) {
    if (ctx.ShiftHeld == 0) {
      DeselectCurrentObject(ctx);
      ctx.PickState = -1;
      ctx.CurrentShape = index;
      ctx.Hooks->ShowShapeProperties();
    } else {
      ctx.DragMode = 2;
    }
    shape.Selected = 1;
  } else if (ctx.ShiftHeld == 0) {
    shape.Selected = 0;
  }
}

void SettlePick(EditorContext& ctx) {
  if (ctx.CreateMode != 0) return;
  if (ctx.PickState == -1 || (ctx.PickState == 0 && ctx.DragMode == 2)) {
    ctx.PickState = 1;
    ctx.DragMode = 2;
    ctx.Hooks->ShowShapeProperties();
  } else if (ctx.PickState == 0 && ctx.Tool == kToolSelect) {
    DeselectCurrentObject(ctx);
  }
}

}  // namespace tavisk
