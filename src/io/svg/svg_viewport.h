// The viewport of an <svg> element (the root or a nested one) or of a
// symbol placed by <use>: its size, and the viewBox fitted into it as
// preserveAspectRatio asks.
#pragma once

#include <QSizeF>
#include <QTransform>

#include "io/svg/svg_tree.h"

namespace tavisk {

struct SvgViewport {
  // From the element's user units into its parent's.
  QTransform ToParent;
  // What percentages inside the element count in.
  QSizeF Size;
  // The width and height it takes in its parent.
  QSizeF Extent;
};

// parentSize is what percentages of x, y, width and height count in; a root
// <svg> has none and counts them in its viewBox. width and height default
// to 100 %.
SvgViewport ViewportOf(const SvgElement& element, QSizeF parentSize, double fontSize, bool root);

}  // namespace tavisk
