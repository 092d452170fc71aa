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

// The geometry for an area of width x height below the menu bar: the strip
// across the top, the panels down both edges to the bottom, the canvas
// between them with a 5-pixel gap on each side. The right panel ends at the
// area's right edge, so nothing hangs outside the window.
WindowGeometry LayoutGeometry(int width, int height, int panelW, int toolBarH);

// Top-left corner that centres a frame of frameW x frameH on an available
// area; a frame larger than the area keeps its title bar reachable at the
// area's top-left.
struct Corner {
  int x = 0;
  int y = 0;
};
Corner CentredCorner(const Box& available, int frameW, int frameH);

// The size a window opens at from the stored options: 1024 x 768 for a side
// of 0 or less (a member missing from the file), then held between
// kMinWindowWidth x kMinWindowHeight and the available area, so a damaged
// file opens neither a window larger than the screen nor one too small to
// use. A screen smaller than the minimum wins; an empty area (no screen)
// bounds nothing.
struct WindowSize {
  int w = 0;
  int h = 0;
};
WindowSize OpeningWindowSize(int storedW, int storedH, const Box& available);

}  // namespace tavisk
