// What an SVG file may ask of the reader. A file past any of them is
// refused with a message, so a hostile one never exhausts memory or time.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tavisk {

inline constexpr size_t kMaxSvgBytes = size_t{32} << 20;
inline constexpr int64_t kMaxSvgElements = 100000;
inline constexpr int kMaxSvgDepth = 128;
// Elements drawn, counting each copy a <use> makes.
inline constexpr int64_t kMaxSvgDrawnElements = 200000;
inline constexpr int64_t kMaxSvgPoints = 1000000;
// A number in the text beyond this is an error where it stands. Qt's paths
// silently leave out points past 1e128, so larger ones never reach them.
inline constexpr double kMaxSvgNumber = 1e100;
// Coordinates and widths after every transform and the scale.
inline constexpr double kMaxSvgCoordinate = 1099511627776.0;  // 2^40
inline constexpr size_t kMaxSvgCssRules = 10000;
// The characters read for texts, counting each copy a <use> makes.
inline constexpr int64_t kMaxSvgTextBytes = int64_t{16} << 20;
// Rules times drawn elements: each test is a few string comparisons.
inline constexpr int64_t kMaxSvgSelectorTests = 20000000;

}  // namespace tavisk
