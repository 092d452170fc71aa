// The View menu: zoom, pan reset and the display toggles. Each ends with a
// redraw at (0, 0) with the pick.
#pragma once

#include <cstdint>

#include "edit/editor.h"

namespace tavisk {

void ZoomIn(EditorContext& ctx);
void ZoomOut(EditorContext& ctx);
void SetZoom(EditorContext& ctx, uint8_t percent);
void ViewReset(Editor& ctx);

// Flips a 0/1 option and answers its new value.
uint8_t ToggleViewOption(EditorContext& ctx, uint8_t& option);

}  // namespace tavisk
