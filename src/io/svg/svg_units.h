// Lengths with their units: px, pt, pc, mm, cm, in, em, ex and %.
#pragma once

#include <string_view>

namespace tavisk {

// A length in user units; em and ex count in fontSize, % in percentBase.
// False when the text is not a length.
bool ParseLength(std::string_view text, double fontSize, double percentBase, double& out);

}  // namespace tavisk
