#include "edit/point_editing.h"

#include <algorithm>
#include <vector>

namespace tavisk {

void DeletePoint(EditorContext& ctx, int64_t k) {
  sShape* shape = ctx.CurrentShapePtr();
  if (shape == nullptr || !ValidIndex(shape->Pt, k)) return;
  const int64_t count = static_cast<int64_t>(shape->Pt.size());
  const int64_t doomed[] = {PreviousPoint(k, count), k, NextPoint(k, count)};
  // Points are removed one by one by who they were, so a neighbour that is
  // also k (or already gone) is not removed twice.
  std::vector<int64_t> original(static_cast<size_t>(count));
  for (int64_t i = 0; i < count; ++i) original[static_cast<size_t>(i)] = i;
  for (const int64_t who : doomed) {
    if (shape->Pt.size() <= 1) break;
    const auto at = std::find(original.begin(), original.end(), who);
    if (at == original.end()) continue;
    shape->Pt.erase(shape->Pt.begin() + (at - original.begin()));
    original.erase(at);
  }
}

}  // namespace tavisk
