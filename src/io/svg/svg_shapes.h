// The outlines of the drawing elements in their own user units: path,
// rect (with rounded corners), circle, ellipse, line, polyline, polygon.
#pragma once

#include <QPainterPath>
#include <QSizeF>
#include <cstdint>

#include "io/svg/svg_tree.h"

namespace tavisk {

struct SvgOutline {
  QPainterPath Path;
  // The element is one of the drawing elements above.
  bool Shape = false;
  // It would take more points than the budget holds.
  bool OverBudget = false;
};

// viewport is the size percentages count in; each point is taken from
// pointBudget.
SvgOutline ElementOutline(const SvgElement& element, QSizeF viewport, double fontSize,
                          int64_t& pointBudget);

}  // namespace tavisk
