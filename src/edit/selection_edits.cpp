#include "edit/selection_edits.h"

#include <algorithm>

#include "document/numeric.h"

namespace tavisk {

namespace {

const sObject& CurrentObjectOf(const EditorContext& ctx) {
  return ctx.Obj[static_cast<size_t>(ctx.CurrentObject)];
}

}  // namespace

std::vector<int64_t> SelectionIndices(const EditorContext& ctx) {
  std::vector<int64_t> indices;
  // An object without shapes keeps a blank placeholder, which is no shape.
  if (!ValidIndex(ctx.Obj, ctx.CurrentObject) || CurrentObjectOf(ctx).HasShape == 0) {
    return indices;
  }
  const sObject& object = CurrentObjectOf(ctx);
  for (int64_t i = 0; i <= LastIndex(object.Shape); ++i) {
    if (i == ctx.CurrentShape || object.Shape[static_cast<size_t>(i)].Selected != 0) {
      indices.push_back(i);
    }
  }
  return indices;
}

int64_t NudgeStep(const sPzOptions& options, bool shift, bool horizontal) {
  if (options.Snap != 0) return std::max<int64_t>(horizontal ? options.SnapX : options.SnapY, 1);
  return shift ? 10 : 1;
}

std::vector<int64_t> NudgeableShapes(const EditorContext& ctx) {
  std::vector<int64_t> indices = SelectionIndices(ctx);
  if (indices.empty()) return indices;
  const sObject& object = CurrentObjectOf(ctx);
  if (object.Locked != 0 || object.Hide != 0) return {};
  std::erase_if(indices,
                [&object](int64_t i) { return object.Shape[static_cast<size_t>(i)].Locked != 0; });
  return indices;
}

void NudgeSelection(EditorContext& ctx, int64_t dx, int64_t dy) {
  for (const int64_t i : NudgeableShapes(ctx)) {
    sShape& shape = ctx.CurrentObjectPtr()->Shape[static_cast<size_t>(i)];
    shape.X = Wrap16(shape.X + dx);
    shape.Y = Wrap16(shape.Y + dy);
  }
}

bool SelectionLocked(const EditorContext& ctx) {
  const std::vector<int64_t> indices = SelectionIndices(ctx);
  if (indices.empty()) return false;
  const sObject& object = CurrentObjectOf(ctx);
  return std::all_of(indices.begin(), indices.end(), [&object](int64_t i) {
    return object.Shape[static_cast<size_t>(i)].Locked != 0;
  });
}

void SetSelectionLocked(EditorContext& ctx, uint8_t locked) {
  for (const int64_t i : SelectionIndices(ctx)) {
    ctx.CurrentObjectPtr()->Shape[static_cast<size_t>(i)].Locked = locked;
  }
}

}  // namespace tavisk
