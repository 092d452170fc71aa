// The presentation attributes of a paint: fill or stroke, the colour and its
// opacity, the width, caps, joins and dash array the painter uses.
#pragma once

#include <string>

#include "render/paint_op.h"

namespace tavisk {

// Attributes of a fill, stroke, dash or dot paint, each with a leading
// space.
std::string SvgPaintAttributes(const PaintOp& op);

}  // namespace tavisk
