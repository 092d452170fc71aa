// The start-up tips.
#pragma once

#include <string>
#include <vector>

namespace tavisk {

// One entry per "/" of the tip text: the fields before each "/".
std::vector<std::string> BuildTips();

}  // namespace tavisk
