// Complex shapes inserted from the template documents of "data\shapes\".
#pragma once

#include "document/editor_context.h"

namespace tavisk {

// Makes the blank current shape that a template insertion fills: the
// placeholder of an object without shapes, else a new last shape.
void MakeTemplateSlot(EditorContext& ctx);

// Loads "data\shapes\" + ShapeFile in template mode into the current object,
// removes the blank shapes but the one in front of the inserted shapes,
// leaves the document without a file name and refreshes the panels.
// CurrentShape stays at the slot the caller made.
void InsertShapeTemplate(EditorContext& ctx, int redraw);

// Removes every shape with an empty name, walking upward once: a blank shape
// that moves into the place just examined stays. Never leaves fewer than one.
void RemoveBlankShapes(sObject& object);

}  // namespace tavisk
