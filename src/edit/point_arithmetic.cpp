#include "edit/point_arithmetic.h"

#include <cmath>
#include <limits>

namespace tavisk {

namespace {

using Wide = __int128;

// Floor division, then half to even: the rounding every real-to-integer
// conversion of the records uses.
int64_t DivideRounded(Wide numerator, Wide divisor) {
  Wide quotient = numerator / divisor;
  Wide remainder = numerator % divisor;
  if (remainder < 0) {
    quotient -= 1;
    remainder += divisor;
  }
  if (2 * remainder > divisor || (2 * remainder == divisor && quotient % 2 != 0)) quotient += 1;
  return static_cast<int64_t>(quotient);
}

int64_t Clamp(Wide value) {
  constexpr Wide kLow = std::numeric_limits<int64_t>::min();
  constexpr Wide kHigh = std::numeric_limits<int64_t>::max();
  return static_cast<int64_t>(value < kLow ? kLow : value > kHigh ? kHigh : value);
}

}  // namespace

sPoint WeightedMean(std::initializer_list<std::pair<int, sPoint>> terms) {
  Wide x = 0;
  Wide y = 0;
  Wide total = 0;
  for (const auto& [weight, p] : terms) {
    x += Wide{weight} * p.X;
    y += Wide{weight} * p.Y;
    total += weight;
  }
  if (total <= 0) return {};
  return {DivideRounded(x, total), DivideRounded(y, total), 0, 0};
}

sPoint Offset(const sPoint& p, int64_t dx, int64_t dy) {
  return {Clamp(Wide{p.X} + dx), Clamp(Wide{p.Y} + dy), 0, 0};
}

int64_t RoundClamped(double value) {
  // The largest doubles on either side that still convert exactly.
  constexpr double kLimit = 9223372036854774784.0;
  if (std::isnan(value)) return 0;
  if (value >= kLimit) return std::numeric_limits<int64_t>::max();
  if (value <= -kLimit) return std::numeric_limits<int64_t>::min();
  return static_cast<int64_t>(std::llrint(value));
}

}  // namespace tavisk
