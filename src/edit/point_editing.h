// Point rules of lines, curves and complex shapes, and point deletion.
#pragma once

#include <cstdint>

#include "document/editor_context.h"

namespace tavisk {

// Neighbours of point k in a chain of count points; the chain wraps.
inline int64_t PreviousPoint(int64_t k, int64_t count) { return k == 0 ? count - 1 : k - 1; }
inline int64_t NextPoint(int64_t k, int64_t count) { return k == count - 1 ? 0 : k + 1; }

// Deletes point k of the current shape with its two neighbours, so an anchor
// of a curve goes with its control points; the array never becomes empty.
void DeletePoint(EditorContext& ctx, int64_t k);

}  // namespace tavisk
