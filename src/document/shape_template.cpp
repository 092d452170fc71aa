#include "document/shape_template.h"

#include "document/document_file.h"
#include "document/document_reader.h"
#include "document/shape_creation.h"
#include "platform/file_io.h"

namespace tavisk {

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

void RemoveBlankShapes(sObject& object) {
  for (size_t i = 0; i < object.Shape.size(); ++i) {
    if (object.Shape[i].Name.empty() && object.Shape.size() > 1) {
      object.Shape.erase(object.Shape.begin() + static_cast<std::ptrdiff_t>(i));
    }
  }
}

void InsertShapeTemplate(EditorContext& ctx, int redraw) {
  ctx.CurrentPoint = 0;
  if (ctx.ShapeFile.empty()) ctx.ShapeFile = "1-defaut.txt";
  const int64_t slot = ctx.CurrentShape;
  LoadDocument(ctx, kLoadTemplate, DataPath("data\\shapes\\") + ctx.ShapeFile, redraw);
  if (sObject* object = ctx.CurrentObjectPtr()) {
    RemoveBlankShapes(*object);
    // The loader leaves shape 0 current; the Fx initialisation below is meant
    // for the blank slot, which the removal keeps at the slot's index.
    ctx.CurrentShape = ValidIndex(object->Shape, slot) ? slot : LastIndex(object->Shape);
  }
  ctx.Hooks->SetWindowTitle(kWindowTitle);
  ctx.DocFile.clear();
  ctx.Hooks->FillShapeList();
  InitShapeFx(ctx, 0);
  if (redraw == 1) ctx.Hooks->RedrawCanvas(0, 0, 1);
  ctx.Hooks->RefreshObjectPanel(0);
  ctx.Hooks->FillShapeList();
}

}  // namespace tavisk
