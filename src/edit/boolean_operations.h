// Union, difference, intersection and exclusion of the selected shapes: their
// filled areas combined into one complex shape.
#pragma once

#include "document/editor_context.h"

namespace tavisk {

enum class BooleanOp { Union, Difference, Intersection, Exclusion };

// The operands are the current shape and the selected shapes of the current
// object that have an outline to fill (boxes, circles, lines, curves, complex
// shapes; not texts, images or rounded boxes), are neither hidden nor locked,
// and whose points lie within kBooleanCoordinateLimit. Each is taken as the
// area it fills (even-odd, an open outline closed by a straight edge).
//
// Union keeps what any operand covers; Intersection what all cover;
// Difference the current shape (the first operand in drawing order when the
// current shape is not one) less all the others; Exclusion what an odd
// number of operands cover.
//
// The result, fitted back to cubics within kOutlineTolerance (outline_fit.h)
// and rounded to whole units, becomes one complex shape in the place of the
// first operand in drawing order: it keeps that shape's position, name,
// colour, alpha, style, widths, effects and flags, becomes the current shape
// with its first point current, and is selected; the other operands are removed.
//
// Returns false and changes nothing when there are fewer than two operands
// or the result covers nothing (disjoint shapes intersected, a shape less a
// larger one).
bool ApplyBooleanOp(EditorContext& ctx, BooleanOp op);

// Shapes whose points reach beyond this many units are not taken: past it
// the sums of whole coordinates come near the 64-bit range and reals lose
// the precision the fit works in.
inline constexpr int64_t kBooleanCoordinateLimit = int64_t{1} << 40;

}  // namespace tavisk
