// Our complex shapes fill even-odd. A nonzero fill whose figures overlap in
// the same direction fills more than even-odd would; such an outline is
// replaced by its union, whose figures never overlap.
#pragma once

#include <QPainterPath>

namespace tavisk {

enum class FillRuleResult {
  // The outline fills the same either way; it is kept with its curves.
  Same,
  // The outline was replaced by its union (flattened to straight lines).
  United,
  // Too large to unite within the time an import may take: drawn even-odd.
  DrawnEvenOdd,
};

// Makes path, filled with the nonzero rule, fill alike under even-odd.
FillRuleResult MakeEvenOddEquivalent(QPainterPath& path);

}  // namespace tavisk
