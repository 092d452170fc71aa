// Fills the panels from the records: the shape, colour and Fx tabs, the
// object fields, the shape and Fx lists.
#pragma once

#include "document/editor_context.h"
#include "edit/gadgets.h"

namespace tavisk {

// Enables (flag 0) or disables (flag 1) the property gadgets 44 to 94; with
// a current shape, also shows the Text and Font buttons only for a text.
void SetPropertyGadgetsDisabled(EditorContext& ctx, Gadgets& gadgets, int flag);

// Fills the gadgets from the current object, shape and Fx; the shape list
// marks the current shape and the Fx list is refilled for it.
void ShowShapeProperties(EditorContext& ctx, Gadgets& gadgets);

// One item per shape of the current object, by name, while the scene holds
// a real object; the current and the selected shapes are marked. Rows
// whose shape kept its name stay as they are.
void FillShapeList(EditorContext& ctx, Gadgets& gadgets);

// One item per Fx of the current shape, by name; the current Fx is chosen.
void FillFxList(EditorContext& ctx, Gadgets& gadgets);

}  // namespace tavisk
