// A <text> element as one run: its characters (with those of its tspans)
// and where its first line starts.
#pragma once

#include <QSizeF>

#include "io/svg/svg_layer_builder.h"
#include "io/svg/svg_style.h"
#include "io/svg/svg_tree.h"

namespace tavisk {

// The run in the element's user units; white space collapsed as SVG does
// by default.
SvgTextRun TextRunOf(const SvgTree& tree, const SvgElement& element, QSizeF viewport,
                     const SvgStyle& style);

}  // namespace tavisk
