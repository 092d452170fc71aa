// Point arithmetic that cannot overflow: coordinates are 64-bit and a
// document may put them anywhere, near the limits included.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <utility>

#include "document/scene.h"

namespace tavisk {

// The weighted mean of points, (sum of weight * point) / (sum of weights),
// rounded half to even. It lies between the points, so it always fits.
// Weights are small and positive.
sPoint WeightedMean(std::initializer_list<std::pair<int, sPoint>> terms);

// p moved by (dx, dy), held at the 64-bit limits instead of wrapping.
sPoint Offset(const sPoint& p, int64_t dx, int64_t dy);

// The nearest integer, held inside the 64-bit range; NaN gives 0.
int64_t RoundClamped(double value);

}  // namespace tavisk
