// The View menu: zoom, pan reset and the display toggles. Each ends with a
// redraw, which leaves the selection alone.
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
