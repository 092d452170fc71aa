// Complex shapes inserted from the template documents of "data\shapes\".
#pragma once

#include "document/editor_context.h"

namespace tavisk {

// Makes the blank current shape that marks where a template insertion puts
// its shapes: the placeholder of an object without shapes, else a new last
// shape.
void MakeTemplateSlot(EditorContext& ctx);

// Loads "data\shapes\" + ShapeFile in template mode into the current object
// in place of the slot the caller made (CurrentShape), leaves the document
// without a file name and refreshes the panels. CurrentShape then names the
// template's first shape. Answers whether any shape was inserted; when none
// was, no shape of the object has changed and an appended slot is gone.
bool InsertShapeTemplate(EditorContext& ctx);

}  // namespace tavisk
