#include "edit/view_commands.h"

namespace tavisk {

namespace {

void ApplyZoom(EditorContext& ctx, uint8_t percent) {
  ctx.Options.Zoom = percent;
  ctx.Hooks->RedrawCanvas();
}

}  // namespace

// Stops at 255: the zoom is one byte, and wrapping to 0 would make the
// drawing vanish.
void ZoomIn(EditorContext& ctx) {
  if (ctx.Options.Zoom < 255) ApplyZoom(ctx, static_cast<uint8_t>(ctx.Options.Zoom + 1));
}

void ZoomOut(EditorContext& ctx) {
  if (ctx.Options.Zoom > 1) ApplyZoom(ctx, static_cast<uint8_t>(ctx.Options.Zoom - 1));
}

void SetZoom(EditorContext& ctx, uint8_t percent) { ApplyZoom(ctx, percent); }

void ViewReset(Editor& ctx) {
  ctx.View.PanX = 0;
  ctx.View.PanY = 0;
  ctx.Hooks->RedrawCanvas();
}

uint8_t ToggleViewOption(EditorContext& ctx, uint8_t& option) {
  option = static_cast<uint8_t>(1 - option);
  ctx.Hooks->RedrawCanvas();
  return option;
}

}  // namespace tavisk
