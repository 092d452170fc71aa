// The picture of a few shapes, for programs that take pictures from the
// clipboard: painted as the image export paints them, cut to what they draw.
#pragma once

#include <QImage>

#include "document/editor_context.h"

namespace tavisk {

// The shapes of holder with their effects, at scale 1, on a transparent
// picture just large enough for every pixel they draw. A null image when
// they draw nothing or the picture would exceed the image export's budget.
QImage PaintShapesPicture(const EditorContext& ctx, const sObject& holder);

}  // namespace tavisk
