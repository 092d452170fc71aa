// "Add point before/after this point": a new anchor halfway along a segment
// of a line, curve or complex shape, the outline left as it was.
#pragma once

#include "document/editor_context.h"

namespace tavisk {

// A new anchor halfway along the segment that ends at (before) or starts at
// (after) the current point; for a control point, along the segment it
// shapes. A cubic is split at t = 0.5 (de Casteljau), so the outline stays
// the same up to the rounding of the new points; a line gets the midpoint,
// and the straight closing segment of a closed curve becomes a straight
// cubic. The closing segment of a closed path counts. The new anchor
// becomes the current point. Nothing without such a segment (before the
// first anchor of an open path, after its last) or for other shape types.
void AddPointBefore(EditorContext& ctx);
void AddPointAfter(EditorContext& ctx);

}  // namespace tavisk
