#include "edit/property_sync.h"

#include <algorithm>
#include <string>
#include <vector>

#include "document/complex_chain.h"
#include "edit/gadget_ids.h"

namespace tavisk {

void SetPropertyGadgetsDisabled(EditorContext& ctx, Gadgets& gadgets, int flag) {
  for (int gadget = kFirstPropertyGadget; gadget <= kLastPropertyGadget; ++gadget) {
    // The template list and its "+" make a shape; they need none to work.
    if (gadget == kGadgetShapeLibrary || gadget == kGadgetShapeAdd) continue;
    if (gadgets.Exists(gadget)) gadgets.SetEnabled(gadget, flag == 0);
  }
  if (ctx.CurrentShape < 0) return;
  const sObject* object = ctx.CurrentObjectPtr();
  if (object == nullptr) return;
  ctx.CurrentShape = std::min(ctx.CurrentShape, LastIndex(object->Shape));
  const bool text = object->Shape[static_cast<size_t>(ctx.CurrentShape)].Typ == kText;
  gadgets.SetVisible(kGadgetShapeText, text);
  gadgets.SetVisible(kGadgetShapeFont, text);
}

namespace {

void ShowObjectProperties(const sObject& object, Gadgets& gadgets) {
  gadgets.SetState(kGadgetObjectAlpha, object.Alpha);
  gadgets.SetState(kGadgetObjectLock, object.Locked);
  gadgets.SetState(kGadgetObjectX, object.X);
  gadgets.SetState(kGadgetObjectY, object.Y);
  gadgets.SetState(kGadgetObjectH, object.H);
  gadgets.SetState(kGadgetObjectW, object.W);
}

// The list marks the shapes the canvas draws as selected: the selected ones
// and the current one, which is also the list's current row.
void ShowShapeListSelection(EditorContext& ctx, Gadgets& gadgets) {
  const sObject* object = ctx.CurrentObjectPtr();
  if (object == nullptr) return;
  const int rows =
      std::min(gadgets.ItemCount(kGadgetShapeList), static_cast<int>(object->Shape.size()));
  std::vector<bool> selected(static_cast<size_t>(std::max(rows, 0)));
  for (int i = 0; i < rows; ++i) {
    selected[static_cast<size_t>(i)] =
        object->Shape[static_cast<size_t>(i)].Selected != 0 || i == ctx.CurrentShape;
  }
  gadgets.SelectItems(kGadgetShapeList, selected);
  gadgets.SetState(kGadgetShapeList, ctx.CurrentShape);
}

}  // namespace

void ShowShapeProperties(EditorContext& ctx, Gadgets& gadgets) {
  const sObject* object = ctx.CurrentObjectPtr();
  if (object == nullptr) return;
  // The object panel shows its object even while it holds no shape.
  ShowObjectProperties(*object, gadgets);
  // An object without a real shape has nothing to edit: the gadgets are
  // disabled and show its blank placeholder rather than the last shape seen.
  const bool editable = object->HasShape != 0;
  SetPropertyGadgetsDisabled(ctx, gadgets, editable ? 0 : 1);
  ShowShapeListSelection(ctx, gadgets);
  // With its last shape deleted there is no current shape: the panel shows
  // the blank placeholder, not the deleted shape.
  sShape* shape = editable ? ctx.CurrentShapePtr() : &ctx.CurrentObjectPtr()->Shape.front();
  if (shape == nullptr) return;
  gadgets.SetText(kGadgetShapeName, shape->Name);
  gadgets.SetState(kGadgetShapeAlpha, shape->Alpha);
  gadgets.SetState(kGadgetShapeStyle, shape->Style);
  gadgets.SetState(kGadgetShapeW, shape->W);
  gadgets.SetState(kGadgetShapeH, shape->H);
  gadgets.SetState(kGadgetShapeWidth, shape->Width);
  gadgets.SetState(kGadgetShapeHeight, shape->Height);
  gadgets.SetState(kGadgetShapeDist, shape->Dist);
  gadgets.SetState(kGadgetShapeCX, shape->CX);
  gadgets.SetState(kGadgetShapeCY, shape->CY);
  gadgets.SetState(kGadgetShapeX, shape->X);
  gadgets.SetState(kGadgetShapeY, shape->Y);
  gadgets.SetState(kGadgetShapeLink, shape->Link);
  gadgets.SetState(kGadgetShapeLock, shape->Locked);
  gadgets.SetState(kGadgetShapeHide, shape->Hide);
  const bool closed =
      shape->Typ == kComplexShape ? !ComplexChainIsOpen(shape->Pt) : shape->Close != 0;
  gadgets.SetState(kGadgetShapeClose, closed ? 1 : 0);
  // The point spins are written together: showing another point's values
  // would send the current point there at the first typed coordinate.
  if (ValidIndex(shape->Pt, ctx.CurrentPoint)) {
    const sPoint& point = shape->Pt[static_cast<size_t>(ctx.CurrentPoint)];
    gadgets.SetState(kGadgetPointX, point.X);
    gadgets.SetState(kGadgetPointY, point.Y);
  }

  if (!ValidIndex(shape->Fx, ctx.CurrentFx)) ctx.CurrentFx = 0;
  const sShapeFx& fx = shape->Fx[static_cast<size_t>(ctx.CurrentFx)];
  // The shape may be another than the one the Fx list was filled for.
  FillFxList(ctx, gadgets);
  gadgets.SetState(kGadgetFxActif, fx.Actif);
  gadgets.SetState(kGadgetFxAlpha, fx.Alpha);
  gadgets.SetState(kGadgetFxDepth, fx.Depth);
  gadgets.SetState(kGadgetFxType, fx.Typ);
  // The spins start at 1. Showing the records never writes them: a refresh
  // is not an edit, and the next edit of the three writes them together.
  gadgets.SetState(kGadgetFxWidth, std::max<int64_t>(fx.Width, 1));
  gadgets.SetState(kGadgetFxHeight, std::max<int64_t>(fx.Height, 1));
  gadgets.SetState(kGadgetFxDist, std::max<int64_t>(fx.Dist, 1));
  gadgets.SetState(kGadgetFxX, fx.X);
  gadgets.SetState(kGadgetFxY, fx.Y);
  gadgets.SetState(kGadgetFxScale, fx.Scale);
}

void FillShapeList(EditorContext& ctx, Gadgets& gadgets) {
  const sObject* object = ctx.CurrentObjectPtr();
  std::vector<std::string> names;
  if (object != nullptr && object->HasShape != 0) {
    names.reserve(object->Shape.size());
    for (const sShape& shape : object->Shape) names.push_back(shape.Name);
  }
  gadgets.SetItems(kGadgetShapeList, names);
  if (!names.empty()) ShowShapeListSelection(ctx, gadgets);
}

void FillFxList(EditorContext& ctx, Gadgets& gadgets) {
  gadgets.ClearItems(kGadgetFxList);
  const sShape* shape = ctx.CurrentShapePtr();
  if (shape == nullptr) return;
  for (const sShapeFx& fx : shape->Fx) gadgets.AddItem(kGadgetFxList, fx.Name);
  gadgets.SetState(kGadgetFxList, ctx.CurrentFx);
}

}  // namespace tavisk
