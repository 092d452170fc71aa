// Where the toolbar strip, the two panels and the canvas go in the window.
#pragma once

namespace tavisk {

struct Box {
  int x = 0;
  int y = 0;
  int w = 0;
  int h = 0;
};

struct WindowGeometry {
  Box toolbar;
  Box leftPanel;
  Box canvas;
  Box rightPanel;
};

// The geometry when the window is made, for an inner size width x height.
WindowGeometry InitialGeometry(int width, int height, int panelW, int toolBarH);

// The geometry after a resize to an inner size width x height (the menu bar
// included): panels and canvas take the new height, the canvas the width
// between the panels, the right panel follows the canvas.
WindowGeometry ResizedGeometry(const WindowGeometry& current, int width, int height,
                               int menuBarH, int panelW, int toolBarH);

}  // namespace tavisk
