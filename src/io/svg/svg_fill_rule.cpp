#include "io/svg/svg_fill_rule.h"

namespace tavisk {

namespace {

// Qt's path clipper takes time that grows faster than the element count.
constexpr int kMaxUnitedElements = 20000;

int FigureCount(const QPainterPath& path) {
  int count = 0;
  for (int i = 0; i < path.elementCount(); ++i) {
    if (path.elementAt(i).isMoveTo()) ++count;
  }
  return count;
}

}  // namespace

FillRuleResult MakeEvenOddEquivalent(QPainterPath& path) {
  // One figure only fills differently where it crosses itself in a loop
  // that winds twice, which drawings rarely do.
  if (FigureCount(path) < 2) return FillRuleResult::Same;
  if (path.elementCount() > kMaxUnitedElements) return FillRuleResult::DrawnEvenOdd;
  QPainterPath winding = path;
  winding.setFillRule(Qt::WindingFill);
  QPainterPath evenOdd = path;
  evenOdd.setFillRule(Qt::OddEvenFill);
  if (winding.subtracted(evenOdd).isEmpty()) return FillRuleResult::Same;
  path = winding.simplified();
  path.setFillRule(Qt::OddEvenFill);
  return FillRuleResult::United;
}

}  // namespace tavisk
