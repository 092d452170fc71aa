#include "app/window_layout.h"

#include <algorithm>

#include "document/options.h"

namespace tavisk {

WindowGeometry LayoutGeometry(int width, int height, int panelW, int toolBarH) {
  WindowGeometry g;
  const int stripH = std::max(toolBarH, 20);
  const int h = std::max(height - toolBarH, 0);
  g.toolbar = {0, 0, width, stripH};
  g.leftPanel = {0, toolBarH, panelW, h};
  g.canvas = {panelW + 5, toolBarH, std::max(width - 2 * panelW - 10, 0), h};
  g.rightPanel = {g.canvas.x + g.canvas.w + 5, toolBarH, panelW, h};
  return g;
}

Corner CentredCorner(const Box& available, int frameW, int frameH) {
  return {available.x + std::max((available.w - frameW) / 2, 0),
          available.y + std::max((available.h - frameH) / 2, 0)};
}

namespace {

int OpeningSide(int stored, int fallback, int minimum, int available) {
  const int wanted = stored > 0 ? stored : fallback;
  if (available <= 0) return std::max(wanted, minimum);
  return std::clamp(wanted, std::min(minimum, available), available);
}

}  // namespace

WindowSize OpeningWindowSize(int storedW, int storedH, const Box& available) {
  return {OpeningSide(storedW, 1024, kMinWindowWidth, available.w),
          OpeningSide(storedH, 768, kMinWindowHeight, available.h)};
}

}  // namespace tavisk
