// A <text> element as one run: its characters (with those of its tspans)
// and where its first line starts.
#pragma once

#include <QSizeF>
#include <cstdint>

#include "io/svg/svg_layer_builder.h"
#include "io/svg/svg_style.h"
#include "io/svg/svg_tree.h"

namespace tavisk {

// The run in the element's user units; white space collapsed as SVG does
// by default. Each element and byte read is taken from budget; false when
// it ran out.
bool TextRunOf(const SvgTree& tree, const SvgElement& element, QSizeF viewport,
               const SvgStyle& style, int64_t& budget, SvgTextRun& run);

}  // namespace tavisk
