#include "edit/point_hit.h"

#include <cstdlib>

namespace tavisk {

int64_t PointUnderPointer(const sShape& shape, const ScenePointer& p) {
  for (int64_t k = 0; k <= LastIndex(shape.Pt); ++k) {
    const sPoint& point = shape.Pt[static_cast<size_t>(k)];
    if (std::llabs(p.SX - (shape.X + point.X)) <= kPointHitRadius &&
        std::llabs(p.SY - (shape.Y + point.Y)) <= kPointHitRadius) {
      return k;
    }
  }
  return -1;
}

}  // namespace tavisk
