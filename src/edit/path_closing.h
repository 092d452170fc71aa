// "Open path" and "Close path" on the current line, curve or complex shape
// of one figure.
#pragma once

#include "document/editor_context.h"

namespace tavisk {

// Takes away the closing segment: the Close flag of a line or curve is
// cleared, and a path that closes by its own points (a complex chain that
// wraps to point 0, a line or curve whose last anchor is a copy of its
// first) loses its last segment. A path of a single segment keeps it.
// Nothing for an open path, a complex shape of several figures or other
// types.
void OpenPath(EditorContext& ctx);

// Adds a straight closing segment from the last anchor to the first: a
// line gets a copy of its first point, a curve a straight cubic (both also
// get the Close flag), an open complex chain of 3k + 1 points becomes a
// closed one of 3k + 3. The closing segment is made of points because the
// Close flag is not saved with the document. Nothing for a closed path, a
// path without a segment, a complex shape of several figures or other
// types.
void ClosePath(EditorContext& ctx);

}  // namespace tavisk
