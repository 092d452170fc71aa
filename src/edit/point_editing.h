// Point rules of lines, curves and complex shapes, and point deletion.
#pragma once

#include <cstdint>
#include <vector>

#include "document/editor_context.h"

namespace tavisk {

// The points that go when point k of shape is deleted, in the order they
// are removed: an anchor of a curve or complex shape with its two control
// points, a control point with the points on either side. A closed complex
// chain (3k points) wraps, so its first and last points are neighbours; the
// end anchor of a curve or open complex chain takes the two control points
// beside it; a line's point goes alone.
std::vector<int64_t> PointsDeletedWith(const sShape& shape, int64_t k);

// The control points that follow anchor k of a curve or complex shape when
// it is dragged; none for other points and types.
std::vector<int64_t> ControlPointsOf(const sShape& shape, int64_t k);

// Deletes point k of the current shape with PointsDeletedWith; the array
// never becomes empty.
void DeletePoint(EditorContext& ctx, int64_t k);

}  // namespace tavisk
