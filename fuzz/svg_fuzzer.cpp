// SVG pictures of any shape. The first byte picks the scale. A picture read
// holds points within the drawing's range, and its layer saves.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "io/document/document_writer.h"
#include "io/svg/svg_limits.h"
#include "io/svg/svg_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tavisk;
  if (size == 0) return 0;
  SvgImportOptions options;
  options.Scale = std::ldexp(1.0, data[0] % 16 - 4);
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  const SvgReadResult read = ReadSvgText(text, options);
  // Exactly one of a layer and a reason.
  if (read.Read != read.Error.empty()) __builtin_trap();
  if (!read.Read) return 0;
  int64_t points = 0;
  for (const sShape& shape : read.Layer.Shape) {
    for (const sPoint& p : shape.Pt) {
      if (std::abs(static_cast<double>(p.X)) > kMaxSvgCoordinate + 1 ||
          std::abs(static_cast<double>(p.Y)) > kMaxSvgCoordinate + 1) {
        __builtin_trap();
      }
    }
    points += static_cast<int64_t>(shape.Pt.size());
  }
  if (points > kMaxSvgPoints) __builtin_trap();
  WriteDocumentText({read.Layer});
  return 0;
}
