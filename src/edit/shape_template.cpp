#include "edit/shape_template.h"

#include <algorithm>

#include "edit/document_file.h"
#include "edit/document_loading.h"
#include "platform/file_io.h"

namespace tavisk {

namespace {

// The reader names every shape it reads ("shape_" + index when the file
// gives none), so a nameless element it added is one of its own blanks:
// the one a template starts with or one filling an index gap.
void RemoveAddedBlanks(sObject& object, size_t firstAdded) {
  const auto added = object.Shape.begin() + static_cast<std::ptrdiff_t>(firstAdded);
  object.Shape.erase(std::remove_if(added, object.Shape.end(),
                                    [](const sShape& shape) { return shape.Name.empty(); }),
                     object.Shape.end());
}

}  // namespace

void MakeTemplateSlot(EditorContext& ctx) {
  sObject* object = ctx.CurrentObjectPtr();
  if (object == nullptr) return;
  if (object->HasShape == 0) {
    ctx.CurrentShape = 0;
  } else {
    object->Shape.emplace_back();
    ctx.CurrentShape = LastIndex(object->Shape);
  }
  object->Shape[static_cast<size_t>(ctx.CurrentShape)].Name.clear();
}

bool InsertShapeTemplate(EditorContext& ctx) {
  ctx.CurrentPoint = 0;
  if (ctx.ShapeFile.empty()) ctx.ShapeFile = "1-defaut.txt";
  sObject* object = ctx.CurrentObjectPtr();
  const int64_t slot = ctx.CurrentShape;
  if (object == nullptr || !ValidIndex(object->Shape, slot)) return false;
  const size_t firstAdded = object->Shape.size();
  LoadDocument(ctx, kLoadTemplate, DataPath("data\\shapes\\") + ctx.ShapeFile);
  // Only the slot and the blanks this load made are ever removed: a shape
  // the user left without a name is the user's. The slot goes once the
  // template's shapes follow it, or when it was appended for nothing; an
  // empty object keeps it as its placeholder.
  object = ctx.CurrentObjectPtr();
  RemoveAddedBlanks(*object, firstAdded);
  const bool inserted = object->Shape.size() > firstAdded;
  if (inserted || object->HasShape != 0) {
    object->Shape.erase(object->Shape.begin() + slot);
  }
  // The slot's index now names the template's first shape.
  ctx.CurrentShape = std::min(slot, LastIndex(object->Shape));
  return inserted;
}

}  // namespace tavisk
