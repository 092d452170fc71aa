#include "edit/object_operations.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "document/field_text.h"

namespace tavisk {

namespace {

// The eye column ends before x 25; the name column starts at 26.
constexpr int kEyeColumnEnd = 25;
constexpr int kNameColumnStart = 26;

// Exchanges the current object with its neighbour at CurrentObject + step,
// then renumbers the depths to the new drawing order. Exchanging the depths
// alone would move nothing where added and deleted objects left equal ones,
// and re-sorting out-of-order ones would carry unrelated objects along.
// A byte holds 256 depths; later objects share the last.
void MoveObject(EditorContext& ctx, int64_t step) {
  const int64_t neighbour = ctx.CurrentObject + step;
  if (ctx.CurrentObjectPtr() == nullptr || !ValidIndex(ctx.Obj, neighbour)) return;
  std::swap(ctx.Obj[static_cast<size_t>(ctx.CurrentObject)],
            ctx.Obj[static_cast<size_t>(neighbour)]);
  for (size_t i = 0; i < ctx.Obj.size(); ++i) {
    ctx.Obj[i].Depth = static_cast<uint8_t>(std::min<size_t>(i, UINT8_MAX));
  }
  ctx.CurrentObject = neighbour;
}

}  // namespace

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
}

}  // namespace tavisk
