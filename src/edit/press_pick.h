// The pick: a press on the canvas (and each move of a press that has picked
// nothing yet) becomes a selection of shapes of the current object, from
// the shapes under the pointer that the shell's geometry query reports.
#pragma once

#include <cstdint>

#include "document/canvas_view.h"
#include "document/editor_context.h"

namespace tavisk {

// Runs the pick of view at the pointer (x, y), in the current object's
// units, then settles it. While no drag is under way, the shape under the
// pointer that is drawn last becomes the only selection and the current
// shape, or with Shift the one drawn first joins the selection and starts a
// shape drag; without Shift and without a hit the shown shapes are
// deselected. Settling turns a hit into a shape drag; with the select tool
// and nothing hit it clears the selection. A creating tool picks nothing.
void RunPick(EditorContext& ctx, CanvasView& view, int64_t x, int64_t y);

// Every Selected of the current object's shapes becomes 0.
void DeselectCurrentObject(EditorContext& ctx);

}  // namespace tavisk
