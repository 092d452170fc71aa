// Whole-shape operations of the Edit menu and the shape panel: selection,
// the shape clipboard, deletion and drawing order. Each acts on the current
// object and shape and ends with the refreshes and redraw it needs.
#pragma once

#include <QPointF>
#include <cstdint>
#include <optional>
#include <vector>

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

// The shapes become the current object's new last shapes, each moved by
// (dx, dy); an empty object's placeholder takes the first. They alone are
// selected and the last is current. Their font and picture handles pass to
// the scene.
void PasteShapes(EditorContext& ctx, std::vector<sShape> shapes, int64_t dx, int64_t dy);

// Pastes with the first shape's first point (its anchor) under the pointer,
// a position in canvas pixels converted as the creation tools convert a
// press. Without a pointer over the canvas the shapes land kPasteOffset
// scene units right of and below where they were, in sight and not hiding
// the originals.
inline constexpr int64_t kPasteOffset = 10;
void PasteShapesAtPointer(Editor& ctx, std::vector<sShape> shapes,
                          const std::optional<QPointF>& canvasPointer);

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
