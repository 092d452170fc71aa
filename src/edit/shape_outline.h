// The outline of any shape as complex-chain figures: what the conversions,
// joins and boolean operations work on.
#pragma once

#include <vector>

#include "document/complex_chain.h"
#include "document/scene.h"

namespace tavisk {

// The figures the shape draws, in its own units (relative to its X, Y): a
// box as four straight segments from its corner, a circle as four cubic arcs
// from its rightmost point, a line as straight segments, a curve and a
// complex shape as their chains; a closed line or curve ends on its first
// point. Texts, images and rounded boxes give none.
std::vector<ChainFigure> ShapeAsFigures(const sShape& shape);

}  // namespace tavisk
