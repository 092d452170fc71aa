#include "app/window_layout.h"

#include <algorithm>

namespace tavisk {

WindowGeometry InitialGeometry(int width, int height, int panelW, int toolBarH) {
  WindowGeometry g;
  g.toolbar = {0, 0, width, std::max(toolBarH, 20)};
  g.leftPanel = {0, toolBarH, panelW, height - 10};
  g.canvas = {panelW + 5, toolBarH, width - 2 * panelW - 10, height - 10};
  g.rightPanel = {panelW + g.canvas.w + 10, toolBarH, panelW, height - 10};
  return g;
}

WindowGeometry ResizedGeometry(const WindowGeometry& current, int width, int height,
                               int menuBarH, int panelW, int toolBarH) {
  WindowGeometry g = current;
  const int h = height - menuBarH - toolBarH - 50;
  g.leftPanel.h = h;
  g.canvas.w = width - 2 * panelW - 10;
  g.canvas.h = h;
  g.rightPanel.x = g.canvas.x + g.canvas.w + 10;
  g.rightPanel.h = h;
  g.toolbar.w = width;
  g.toolbar.h = std::max(toolBarH, 20);
  return g;
}

}  // namespace tavisk
