// Where a press meets a point of a shape: the rule every press on points
// follows, whichever tool or menu it serves.
#pragma once

#include <cstdint>

#include "document/scene.h"
#include "edit/pointer_to_scene.h"

namespace tavisk {

// A point is hit within this many scene units of it, whatever the zoom.
inline constexpr int kPointHitRadius = 3;

// The index of the first point of shape within reach of the pointer, or -1.
int64_t PointUnderPointer(const sShape& shape, const ScenePointer& p);

}  // namespace tavisk
