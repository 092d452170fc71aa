#include "edit/object_operations.h"

#include <algorithm>
#include <numeric>
#include <utility>
#include <vector>

#include "document/field_text.h"

namespace tavisk {

namespace {

// The eye column ends before x 25; the name column starts at 26.
constexpr int kEyeColumnEnd = 25;
constexpr int kNameColumnStart = 26;

// Sorts the objects by Depth (stable) and answers the new index of the
// object that was at followed.
int64_t SortByDepthFollowing(std::vector<sObject>& objects, int64_t followed) {
  std::vector<size_t> order(objects.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](size_t a, size_t b) { return objects[a].Depth < objects[b].Depth; });
  std::vector<sObject> sorted;
  sorted.reserve(objects.size());
  int64_t found = 0;
  for (size_t i = 0; i < order.size(); ++i) {
    if (static_cast<int64_t>(order[i]) == followed) found = static_cast<int64_t>(i);
    sorted.push_back(std::move(objects[order[i]]));
  }
  objects = std::move(sorted);
  return found;
}

void MoveObject(EditorContext& ctx, int64_t step) {
  const int64_t neighbour = ctx.CurrentObject + step;
  if (ctx.CurrentObjectPtr() == nullptr || !ValidIndex(ctx.Obj, neighbour)) return;
  std::swap(ctx.Obj[static_cast<size_t>(ctx.CurrentObject)].Depth,
            ctx.Obj[static_cast<size_t>(neighbour)].Depth);
  ctx.CurrentObject = SortByDepthFollowing(ctx.Obj, ctx.CurrentObject);
  ctx.Hooks->RefreshObjectPanel(1);
}

}  // namespace

void AddEmptyObject(EditorContext& ctx) {
  ctx.Obj.emplace_back();
  ctx.CurrentObject = LastIndex(ctx.Obj);
  ctx.Hooks->RefreshObjectPanel(0);
}

void MoveObjectUp(EditorContext& ctx) {
  MoveObject(ctx, 1);
}

void MoveObjectDown(EditorContext& ctx) {
  MoveObject(ctx, -1);
}

void DeleteCurrentObject(EditorContext& ctx) {
  if (ctx.Obj.size() > 1 && ctx.CurrentObjectPtr() != nullptr) {
    ctx.Obj.erase(ctx.Obj.begin() + ctx.CurrentObject);
  }
  ctx.CurrentObject = 0;
  ctx.Hooks->RefreshObjectPanel(1);
}

void LayerListPress(EditorContext& ctx, int pointerX, int pointerY) {
  ctx.CurrentShape = 0;
  const int64_t last = LastIndex(ctx.Obj);
  const int64_t index = std::clamp<int64_t>(last - pointerY / kLayerRowHeight, 0, last);
  sObject& object = ctx.Obj[static_cast<size_t>(index)];
  if (pointerX < kEyeColumnEnd) {
    object.Hide = object.Hide == 0 ? 1 : 0;
  } else if (pointerX >= kNameColumnStart) {
    ctx.CurrentObject = index;
  }
  ctx.Hooks->RefreshObjectPanel(1);
}

void LayerListRename(EditorContext& ctx, int pointerX) {
  sObject* object = ctx.CurrentObjectPtr();
  if (object != nullptr && pointerX > kEyeColumnEnd) {
    const std::string answer =
        ctx.Req->Input("New Name", "Set the name for this object", object->Name);
    // An empty answer is also what a cancelled dialog gives: the name stays.
    if (!answer.empty()) {
      object->Name = CutToCharacters(SanitizeFieldText(answer, false), kNameCharacters);
    }
  }
  ctx.Hooks->RefreshObjectPanel(1);
}

}  // namespace tavisk
