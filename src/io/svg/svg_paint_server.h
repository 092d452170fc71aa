// What a paint that names another element (url(#id)) becomes: a gradient
// gives the colour at its middle, a pattern nothing we can keep.
#pragma once

#include <cstdint>
#include <string>

#include "io/svg/svg_tree.h"

namespace tavisk {

struct SvgServerColor {
  bool Found = false;
  uint32_t Rgb = 0;
  double Opacity = 1;
  // The kind dropped for the list of drops, or empty.
  std::string Dropped;
};

SvgServerColor PaintServerColor(const SvgTree& tree, const std::string& id);

}  // namespace tavisk
