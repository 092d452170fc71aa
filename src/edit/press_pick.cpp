#include "edit/press_pick.h"

#include <algorithm>
#include <vector>

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

void ApplyHits(EditorContext& ctx, CanvasView& view, const std::vector<int64_t>& hits) {
  sObject& object = *ctx.CurrentObjectPtr();
  bool pickedAlone = false;
  for (int64_t j = 0; j <= LastIndex(object.Shape); ++j) {
    sShape& shape = object.Shape[static_cast<size_t>(j)];
    if (!ShapeShown(ctx, shape, j)) continue;
    const bool hit = std::binary_search(hits.begin(), hits.end(), j);
    if (hit && view.Drag == DragMode::None) {
      if (!view.ShiftHeld) {
        DeselectCurrentObject(ctx);
        view.Pick = PickState::Hit;
        ctx.CurrentShape = j;
        pickedAlone = true;
      } else {
        view.Drag = DragMode::Shapes;
      }
      shape.Selected = 1;
    } else if (!view.ShiftHeld) {
      shape.Selected = 0;
    }
  }
  if (pickedAlone) ctx.Hooks->ShowShapeProperties();
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
  if (PickRuns(ctx, view)) ApplyHits(ctx, view, ctx.Hooks->ShapesUnderPointer(view, x, y));
  SettlePick(ctx, view);
}

}  // namespace tavisk
