// Whole-shape operations of the Edit menu and the shape panel: selection,
// the shape clipboard, deletion and drawing order. Each acts on the current
// object and shape and ends with the refreshes and redraw it needs.
#pragma once

#include <cstdint>

#include "document/editor_context.h"

namespace tavisk {

// Selected of every shape of the current object.
void SetAllSelected(EditorContext& ctx, uint8_t flag);

// Selects every shape, takes the drag start of the Move and Scale tools from
// the last pointer position (MouseX, MouseY), and holds Shift so that later
// clicks add to the selection.
void SelectAll(EditorContext& ctx);

// Deselects every shape; no shape is current afterwards.
void DeselectAll(EditorContext& ctx);

// The current shape goes to the clipboard, named "Shape_" + the number of
// shapes of the current object.
void CopyShape(EditorContext& ctx);

// A copy of the clipboard shape at (x, y) becomes the current object's new
// last shape and the current shape. (x, y) are window pixels minus the panel
// width and toolbar height, without zoom, pan or object transform.
void PasteShape(EditorContext& ctx, int64_t x, int64_t y);

// The current shape becomes a copy of the clipboard shape, position included.
void PasteToShape(EditorContext& ctx);

// Removes the current shape; the only shape of an object leaves an empty
// object (HasShape 0) and no current shape, otherwise shape 0 becomes current.
void DeleteCurrentShape(EditorContext& ctx);

// Up moves the current shape one place towards the top of the shape list
// (index - 1, drawn earlier), Down one place towards its end; the current
// shape follows. Nothing happens at either end.
void MoveShapeUp(EditorContext& ctx);
void MoveShapeDown(EditorContext& ctx);

}  // namespace tavisk
