// "Convert to line / curve / complex shape": the current shape changes type
// and keeps its drawn outline as closely as the new type can draw it.
#pragma once

#include "document/editor_context.h"

namespace tavisk {

// A box, circle, curve or complex shape of one figure becomes a line
// through its outline's anchors (a circle a polygon within a quarter unit of
// it); a closed outline ends on a copy of its first point and gets the Close
// flag. Nothing for several figures.
void ConvertToLine(EditorContext& ctx);

// A box, circle, line or complex shape of one figure becomes a curve drawing
// the same outline (a line's segments straight cubics); a closed outline
// ends on a copy of its first anchor and gets the Close flag. Nothing for
// several figures.
void ConvertToCurve(EditorContext& ctx);

// A box, circle, line or curve becomes a complex shape drawing the same
// outline: closed or open as it was.
void ConvertToComplex(EditorContext& ctx);

// Each conversion keeps the position, size fields, colour, style, effects
// and name, and clamps the current point to the new points. It does nothing
// for the same type, texts, images, rounded boxes and shapes without an
// outline. A closed outline carries its closing segment as points because
// the Close flag is not saved with the document.

}  // namespace tavisk
