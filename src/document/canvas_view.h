// What a redraw of the canvas reads of the editing state: the pan, and the
// pick of the gesture under way, which the editing layer runs and settles.
// The editing layer owns one; the renderer receives it with each redraw.
#pragma once

#include <cstdint>

namespace tavisk {

// Where the pick of a press stands.
enum class PickState : int8_t {
  // This pick hit a shape; settling it starts the drag.
  Hit = -1,
  // No shape picked yet: the next pick tests the current object.
  Open = 0,
  // The press picked its shapes; the drag that follows moves them.
  Settled = 1,
};

// What the drag under way changes.
enum class DragMode : uint8_t {
  None = 0,
  // One point of the current shape (and the control points beside it).
  Point = 1,
  // The picked shapes, moved, scaled or rotated by the tool.
  Shapes = 2,
  // Points the press added; nothing follows the pointer.
  AddedPoints = 3,
};

struct CanvasView {
  int16_t PanX = 0;
  int16_t PanY = 0;
  PickState Pick = PickState::Open;
  DragMode Drag = DragMode::None;
  // A pick adds to the selection instead of replacing it.
  bool ShiftHeld = false;
  // A creation tool is drawing its new shape: no pick runs.
  bool CreateMode = false;
  // The select tool is chosen: a pick that hits nothing clears the selection.
  bool SelectTool = false;
};

}  // namespace tavisk
