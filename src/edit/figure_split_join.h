// "Separate all sub-shape to shape" and "Joint selected shape": a complex
// shape's figures become shapes of their own, and shapes become the figures
// of one complex shape.
#pragma once

#include "document/editor_context.h"

namespace tavisk {

// Draws the current shape apart from everything it was drawn with: a
// complex shape of several figures becomes one shape per figure (the first
// keeps its place and name, the others follow it in drawing order, named
// after it with "_2", "_3" ... and otherwise alike), and the run of linked
// shapes the current shape belongs to has its links cleared. Nothing when
// neither applies.
void SeparateFigures(EditorContext& ctx);

// The selected shapes of the current object and the current shape, when at
// least two of them have an outline, become one complex shape holding their
// figures, filled even-odd so that overlaps make holes. It takes the place,
// name, colour, style and effects of the first of them in drawing order,
// linked to nothing, and becomes the current and selected shape; the others
// are removed. Shapes without an outline (texts, images, rounded boxes)
// stay as they are. An open figure among several is closed by a straight
// segment.
void JoinSelectedShapes(EditorContext& ctx);

}  // namespace tavisk
