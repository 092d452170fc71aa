#include "document/object_creation.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <utility>

#include "document/numeric.h"

namespace tavisk {

namespace {

// Sorts the objects by Depth (stable) and answers the new index of the
// object that was at followed.
int64_t SortObjectsByDepth(std::vector<sObject>& objects, int64_t followed) {
  std::vector<size_t> order(objects.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](size_t a, size_t b) { return objects[a].Depth < objects[b].Depth; });
  std::vector<sObject> sorted;
  sorted.reserve(objects.size());
  int64_t found = followed;
  for (size_t i = 0; i < order.size(); ++i) {
    if (static_cast<int64_t>(order[i]) == followed) found = static_cast<int64_t>(i);
    sorted.push_back(std::move(objects[order[i]]));
  }
  objects = std::move(sorted);
  return found;
}

}  // namespace

void AddObject(EditorContext& ctx, int grow) {
  const int64_t i = LastIndex(ctx.Obj) + grow;
  ResizeToLast(ctx.Obj, i);
  sObject& o = ctx.Obj[static_cast<size_t>(i)];
  o.Alpha = 255;
  o.Depth = Wrap8(i);
  o.W = 100;
  o.H = 100;
  o.Name = "Object" + std::to_string(i);
  // A loaded document can hold depths above the new index: the sort may
  // move the new object, and the panel must show it, not its old place.
  ctx.CurrentObject = SortObjectsByDepth(ctx.Obj, i);
}

void ClearScene(EditorContext& ctx) {
  ctx.Obj.assign(1, sObject{});
  ctx.ObjReady = -1;
  ctx.CurrentFx = 0;
  ctx.CurrentShape = 0;
  ctx.CurrentObject = 0;
  ctx.CurrentPoint = 0;
}

void SetNewShapeFx(sShapeFx& fx, int64_t k) {
  fx.Name = "FX_" + std::to_string(k);
  fx.Alpha = 255;
  fx.Color = RGBA(255, 120, 0, 255);
  fx.Width = 10;
  fx.Height = 5;
  fx.Dist = 5;
  fx.Scale = 100;
}

void NewDocument(EditorContext& ctx) {
  ClearScene(ctx);
  ctx.DocFile.clear();
  ctx.Hooks->SetWindowTitle(kWindowTitle);
  AddObject(ctx, 0);
}

}  // namespace tavisk
