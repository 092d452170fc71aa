#include "document/object_creation.h"

#include <algorithm>

#include "document/numeric.h"

namespace tavisk {

void AddObject(EditorContext& ctx, int grow) {
  const int64_t i = LastIndex(ctx.Obj) + grow;
  ResizeToLast(ctx.Obj, i);
  sObject& o = ctx.Obj[static_cast<size_t>(i)];
  o.Alpha = 255;
  o.Depth = Wrap8(i);
  o.W = 100;
  o.H = 100;
  o.Name = "Object" + std::to_string(i);
  ctx.CurrentObject = i;
  std::stable_sort(ctx.Obj.begin(), ctx.Obj.end(),
                   [](const sObject& a, const sObject& b) { return a.Depth < b.Depth; });
  ctx.Hooks->RefreshObjectPanel(1);
}

void NewDocument(EditorContext& ctx) {
  ctx.Obj.assign(1, sObject{});
  ctx.ObjReady = -1;
  ctx.CurrentFx = 0;
  ctx.CurrentShape = 0;
  ctx.CurrentObject = 0;
  ctx.CurrentPoint = 0;
  AddObject(ctx, 0);
  ctx.Hooks->RefreshObjectPanel(0);
  ctx.Hooks->FillShapeList();
  // The panels and the canvas would otherwise keep showing the closed
  // document until something else refreshes them.
  ctx.Hooks->FillFxList();
  ctx.Hooks->ShowShapeProperties();
  ctx.Hooks->RedrawCanvas(0, 0, 1);
}

}  // namespace tavisk
