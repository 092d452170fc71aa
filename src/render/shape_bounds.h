// A cheap, generous bound of what a shape paints, so a redraw can skip the
// shapes far from the canvas before building their paths.
#pragma once

#include <QRectF>
#include <cstdint>
#include <optional>

#include "document/scene.h"

namespace tavisk {

// A rectangle in the object's user space (without the pan) holding every
// pixel the shape and its effects may paint, pens included; nothing when
// it is not known cheaply (texts, pictures, unknown kinds).
std::optional<QRectF> ShapeUserBounds(const sObject& object, int64_t shape);

// Whether the shape or one of its effects leaves figures for a later
// paint, so that skipping it would change what a later shape paints.
bool ShapeLeavesFigures(const sObject& object, int64_t shape);

}  // namespace tavisk
