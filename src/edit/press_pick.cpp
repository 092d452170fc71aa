#include "edit/press_pick.h"

#include "document/editor_hooks.h"
#include "document/numeric.h"

namespace tavisk {

namespace {

// Only a drawn object is picked from, and only while the press is open.
bool PickRuns(EditorContext& ctx, const CanvasView& view) {
  const sObject* object = ctx.CurrentObjectPtr();
  return !view.CreateMode && object != nullptr && object->Hide == 0 && object->HasShape != 0 &&
         (view.Pick == PickState::Open || view.Pick == PickState::Hit);
}

bool ShapeShown(const EditorContext& ctx, const sShape& shape, int64_t index) {
  return shape.Hide == 0 && (ctx.Options.ShowOnlySel == 0 || index == ctx.CurrentShape);
}

// The pick at the pointer. Without Shift the shape drawn last under it
// becomes the only selection and the current shape; with Shift the shape
// drawn first under it joins the selection and starts a shape drag. A drag
// already under way takes no hit. Without Shift and without a hit, every
// shown shape is deselected.
void ApplyPick(EditorContext& ctx, CanvasView& view, int64_t x, int64_t y) {
  sObject& object = *ctx.CurrentObjectPtr();
  const int64_t hit = view.Drag == DragMode::None
                          ? ctx.Hooks->ShapeUnderPointer(view, x, y, !view.ShiftHeld)
                          : -1;
  if (hit >= 0 && view.ShiftHeld) {
    view.Drag = DragMode::Shapes;
    object.Shape[static_cast<size_t>(hit)].Selected = 1;
  } else if (hit >= 0) {
    DeselectCurrentObject(ctx);
    view.Pick = PickState::Hit;
    ctx.CurrentShape = hit;
    object.Shape[static_cast<size_t>(hit)].Selected = 1;
    ctx.Hooks->ShowShapeProperties();
  } else if (!view.ShiftHeld) {
    for (int64_t j = 0; j <= LastIndex(object.Shape); ++j) {
      sShape& shape = object.Shape[static_cast<size_t>(j)];
      if (ShapeShown(ctx, shape, j)) shape.Selected = 0;
    }
  }
}

// A pick that hit resolves into a drag, or, with the select tool and nothing
// picked, clears the selection. A drag already under way is left alone: the
// tools keep where it started.
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

}  // namespace

void DeselectCurrentObject(EditorContext& ctx) {
  if (sObject* object = ctx.CurrentObjectPtr()) {
    for (sShape& shape : object->Shape) shape.Selected = 0;
  }
}

void RunPick(EditorContext& ctx, CanvasView& view, int64_t x, int64_t y) {
  if (PickRuns(ctx, view)) ApplyPick(ctx, view, x, y);
  SettlePick(ctx, view);
}

}  // namespace tavisk
