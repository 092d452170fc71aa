// "Export as SVG" in the Files menu.
#pragma once

#include "document/editor_context.h"

namespace tavisk {

// Asks for the file and the area (the drawn area or the camera), writes
// every visible object as SVG and tells the user when nothing could be
// written.
void ExportSceneSvg(EditorContext& ctx, int canvasWidth, int canvasHeight);

inline constexpr const char* kSvgAreaQuestion =
    "Export the drawn area?\n\nYes: the area holding every drawn pixel.\nNo: the camera "
    "rectangle.";

}  // namespace tavisk
