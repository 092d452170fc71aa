#include "io/svg/svg_fill_rule.h"

namespace tavisk {

namespace {

// Qt's path clipper takes time that grows faster than the element count:
// 20,000 elements take a tenth of a second, and <use> may repeat a path.
constexpr int kMaxUnitedElements = 8000;
// In square units of the layer, whole units once rounded.
constexpr double kNegligibleArea = 0.01;

}  // namespace

FillRuleResult MakeEvenOddEquivalent(QPainterPath& path) {
  // One figure too fills differently where it winds twice around a place,
  // as a star drawn in one stroke does.
  if (path.elementCount() > kMaxUnitedElements) return FillRuleResult::DrawnEvenOdd;
  QPainterPath winding = path;
  winding.setFillRule(Qt::WindingFill);
  QPainterPath evenOdd = path;
  evenOdd.setFillRule(Qt::OddEvenFill);
  // The clipper may answer stray empty figures for a figure of no area;
  // what it adds must cover something worth a change.
  const QRectF extra = winding.subtracted(evenOdd).boundingRect();
  if (extra.width() * extra.height() < kNegligibleArea) return FillRuleResult::Same;
  path = winding.simplified();
  path.setFillRule(Qt::OddEvenFill);
  return FillRuleResult::United;
}

}  // namespace tavisk
