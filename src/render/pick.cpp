#include "render/pick.h"

#include "document/numeric.h"

namespace tavisk {

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
  const bool hit = surface.IsPointInPath(static_cast<double>(x), static_cast<double>(y));
  if (hit && ctx.DragMode == 0) {
    if (ctx.ShiftHeld == 0) {
      DeselectCurrentObject(ctx);
      ctx.PickState = -1;
      ctx.CurrentShape = index;
      ctx.Hooks->ShowShapeProperties();
      if (ctx.Tool == kToolMove) {
        shape.StartX = Wrap16(x - shape.X);
        shape.StartY = Wrap16(y - shape.Y);
      } else if (ctx.Tool == kToolScale) {
        shape.StartX = Wrap16(x - shape.W);
        shape.StartY = Wrap16(y + shape.H);
      }
    } else {
      ctx.DragMode = 2;
    }
    shape.Selected = 1;
  } else if (ctx.ShiftHeld == 0) {
    shape.Selected = 0;
  }
}

void SettlePick(EditorContext& ctx, int64_t x, int64_t y) {
  if (ctx.CreateMode != 0) return;
  if (ctx.PickState == -1 || ctx.DragMode == 2) {
    ctx.PickState = 1;
    ctx.DragMode = 2;
    ctx.Hooks->ShowShapeProperties();
    if (ctx.Tool == kToolScale || ctx.Tool == kToolRotate) return;
    sObject* object = ctx.CurrentObjectPtr();
    if (object == nullptr) return;
    for (sShape& shape : object->Shape) {
      if (shape.Selected != 1) continue;
      if (ctx.Tool == kToolMove) {
        shape.StartX = Wrap16(x - shape.X);
        shape.StartY = Wrap16(y - shape.Y);
      }
      for (sPoint& point : shape.Pt) {
        point.StartX = x - point.X;
        point.StartY = y - point.Y;
      }
    }
  } else if (ctx.PickState == 0 && ctx.Tool == kToolSelect) {
    DeselectCurrentObject(ctx);
  }
}

}  // namespace tavisk
