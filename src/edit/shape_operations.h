// Whole-shape operations of the Edit menu and the shape panel: selection,
// the shape clipboard, deletion and drawing order. Each acts on the current
// object and shape and ends with the refreshes and redraw it needs.
#pragma once

#include <QPointF>
#include <cstdint>
#include <optional>

#include "edit/editor.h"

namespace tavisk {

// Selected of every shape of the current object.
void SetAllSelected(EditorContext& ctx, uint8_t flag);

// Selects every shape, takes the drag start of the Move and Scale tools from
// the last pointer position (MouseX, MouseY), and holds Shift so that later
// clicks add to the selection.
void SelectAll(Editor& ctx);

// Deselects every shape; no shape is current afterwards.
void DeselectAll(EditorContext& ctx);

// The current shape goes to the clipboard, named "Shape_" + the number of
// shapes of the current object.
void CopyShape(EditorContext& ctx);

// A copy of the clipboard shape with its X, Y at the scene position (x, y)
// becomes the current object's new last shape and the current shape.
void PasteShape(EditorContext& ctx, int64_t x, int64_t y);

// Pastes with the copy's first point (its anchor) under the pointer, a
// position in canvas pixels converted as the creation tools convert a press.
// Without a pointer over the canvas the copy lands kPasteOffset scene units
// right of and below the copied shape, in sight and not hiding it.
inline constexpr int64_t kPasteOffset = 10;
void PasteAtPointer(Editor& ctx, const std::optional<QPointF>& canvasPointer);

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
