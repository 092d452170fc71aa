// Whole-object (layer) operations of the Edit menu and the object panel:
// adding, deleting and ordering objects, and the clicks on the layer list.
#pragma once

#include "document/editor_context.h"

namespace tavisk {

// Height in pixels of one row of the layer list; the last object is in the
// top row.
inline constexpr int kLayerRowHeight = 25;

// Exchange the current object with the next (Up) or previous (Down) one; the
// depths then number the objects in order and the current object follows.
// Nothing happens at either end.
void MoveObjectUp(EditorContext& ctx);
void MoveObjectDown(EditorContext& ctx);

// Removes the current object; the only object stays. Object 0 becomes current.
void DeleteCurrentObject(EditorContext& ctx);

// A left press at (pointerX, pointerY) on the layer list: left of the name
// column it toggles the row's Hide, on the name it makes the row's object
// current.
void LayerListPress(EditorContext& ctx, int pointerX, int pointerY);

// A double click on the name column asks for the current object's new name.
void LayerListRename(EditorContext& ctx, int pointerX);

}  // namespace tavisk
