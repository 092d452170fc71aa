#include "edit/context_press.h"

#include <vector>

#include "edit/point_hit.h"
#include "edit/press_pick.h"

namespace tavisk {

namespace {

bool PressOnPoint(Editor& ctx, const sObject& object, const ScenePointer& p) {
  for (int64_t i = 0; i <= LastIndex(object.Shape); ++i) {
    const sShape& shape = object.Shape[static_cast<size_t>(i)];
    if (i != ctx.CurrentShape && !shape.Selected) continue;
    const int64_t k = PointUnderPointer(shape, p);
    if (k < 0) continue;
    ctx.CurrentShape = i;
    ctx.CurrentPoint = k;
    return true;
  }
  return false;
}

// The shape a press of the select tool would pick at p, or -1. The pick runs
// as for a left press, but on a view of its own: without Shift and without
// the select tool's clearing, so the view the gestures use is left as it was.
int64_t PickedShape(Editor& ctx, const ScenePointer& p) {
  CanvasView probe = ctx.View;
  probe.Pick = PickState::Open;
  probe.Drag = DragMode::None;
  probe.ShiftHeld = false;
  probe.CreateMode = false;
  probe.SelectTool = false;
  RunPick(ctx, probe, p.MX, p.MY);
  return probe.Pick == PickState::Settled ? ctx.CurrentShape : -1;
}

}  // namespace

ContextTarget PressForContextMenu(Editor& ctx, const ScenePointer& p) {
  sObject* object = ctx.CurrentObjectPtr();
  if (object == nullptr) return ContextTarget::Canvas;
  if (PressOnPoint(ctx, *object, p)) return ContextTarget::Point;

  // The pick rewrites the selection and the current shape: the selection
  // before it decides what they become.
  const int64_t wasCurrent = ctx.CurrentShape;
  std::vector<uint8_t> wasSelected;
  for (const sShape& shape : object->Shape) wasSelected.push_back(shape.Selected);
  const int64_t picked = PickedShape(ctx, p);
  const bool inSelection =
      picked >= 0 && (picked == wasCurrent || wasSelected[static_cast<size_t>(picked)] != 0);
  for (size_t i = 0; i < object->Shape.size(); ++i) {
    const bool kept = picked < 0 || inSelection;
    object->Shape[i].Selected = kept ? wasSelected[i] : 0;
  }
  if (picked < 0) {
    ctx.CurrentShape = wasCurrent;
    return ContextTarget::Canvas;
  }
  object->Shape[static_cast<size_t>(picked)].Selected = 1;
  ctx.CurrentShape = picked;
  // As after a left press on the shape's area: no point of it is current.
  ctx.CurrentPoint = -1;
  return ContextTarget::Shape;
}

}  // namespace tavisk
