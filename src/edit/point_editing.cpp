#include "edit/point_editing.h"

#include <algorithm>

#include "document/complex_chain.h"

namespace tavisk {

namespace {

int64_t Previous(int64_t k, int64_t count) { return k == 0 ? count - 1 : k - 1; }
int64_t Next(int64_t k, int64_t count) { return k == count - 1 ? 0 : k + 1; }

// A complex chain of 3k points wraps, so its first and last points are
// neighbours; one of 3k + 1 is open and ends like a curve.
bool WrapsAround(const sShape& shape) {
  return shape.Typ == kComplexShape && !ComplexChainIsOpen(shape.Pt);
}

bool OpenChain(const sShape& shape) {
  return shape.Typ == kCurve || (shape.Typ == kComplexShape && ComplexChainIsOpen(shape.Pt));
}

}  // namespace

std::vector<int64_t> PointsDeletedWith(const sShape& shape, int64_t k) {
  const int64_t count = static_cast<int64_t>(shape.Pt.size());
  if (WrapsAround(shape)) return {Previous(k, count), k, Next(k, count)};
  if (!OpenChain(shape)) return {k};
  // Three points in a row, held inside the open chain at its ends.
  const int64_t first = std::clamp<int64_t>(k - 1, 0, std::max<int64_t>(0, count - 3));
  std::vector<int64_t> group;
  for (int64_t i = first; i < std::min(first + 3, count); ++i) group.push_back(i);
  return group;
}

std::vector<int64_t> ControlPointsOf(const sShape& shape, int64_t k) {
  const int64_t count = static_cast<int64_t>(shape.Pt.size());
  if (k % 3 != 0 || count < 2) return {};
  if (WrapsAround(shape)) return {Previous(k, count), Next(k, count)};
  if (!OpenChain(shape)) return {};
  std::vector<int64_t> controls;
  if (k > 0) controls.push_back(k - 1);
  if (k < count - 1) controls.push_back(k + 1);
  return controls;
}

void DeletePoint(EditorContext& ctx, int64_t k) {
  sShape* shape = ctx.CurrentShapePtr();
  if (shape == nullptr || !ValidIndex(shape->Pt, k)) return;
  const int64_t count = static_cast<int64_t>(shape->Pt.size());
  // Points are removed one by one by who they were, so a neighbour that is
  // also k (or already gone) is not removed twice.
  std::vector<int64_t> original(static_cast<size_t>(count));
  for (int64_t i = 0; i < count; ++i) original[static_cast<size_t>(i)] = i;
  for (const int64_t who : PointsDeletedWith(*shape, k)) {
    if (shape->Pt.size() <= 1) break;
    const auto at = std::find(original.begin(), original.end(), who);
    if (at == original.end()) continue;
    shape->Pt.erase(shape->Pt.begin() + (at - original.begin()));
    original.erase(at);
  }
}

}  // namespace tavisk
