// The pick: a press on the canvas becomes a shape selection while the
// renderer builds each shape's path, then settles after the object loop.
#pragma once

#include <cstdint>

#include "document/canvas_view.h"
#include "document/editor_context.h"
#include "render/surface.h"

namespace tavisk {

// Whether the pick test runs for a shape of object (an index of ctx.Obj).
bool PickRuns(const EditorContext& ctx, const CanvasView& view, int64_t object, int pick);

// Tests the current path of shape (of the current object), its area and
// its outline, against the pointer (x, y) and updates the selection,
// CurrentShape and the pick and drag of view.
void PickTest(EditorContext& ctx, CanvasView& view, const Surface& surface, int64_t shape,
              int64_t x, int64_t y);

// After the object loop: resolves a pick made by this redraw into a drag,
// or, with the select tool and nothing picked, clears the selection. A drag
// already under way is left alone: the tools keep where it started.
void SettlePick(EditorContext& ctx, CanvasView& view);

// Every Selected of the current object's shapes becomes 0.
void DeselectCurrentObject(EditorContext& ctx);

}  // namespace tavisk
