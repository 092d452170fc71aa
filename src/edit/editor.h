// The editor as the editing layer sees it: the document's context and the
// state of the canvas gestures (tool, buttons and keys, pointer, view).
// The application owns one; every test starts from a fresh one.
#pragma once

#include <cstdint>

#include "document/canvas_view.h"
#include "document/editor_context.h"

namespace tavisk {

// Tools, numbered as their buttons minus 2; creation tools are the shape
// type plus 8.
enum class Tool : uint8_t {
  Move = 0,
  Select = 1,
  Scale = 2,
  Rotate = 3,
  AddPoint = 5,
  DeletePoint = 7,
  ComplexShape = 8,
  Box = 9,
  RoundBox = 10,
  Circle = 11,
  Line = 12,
  Curve = 13,
  Image = 14,
  Text = 15,
};

inline constexpr uint8_t ButtonNumber(Tool tool) {
  return static_cast<uint8_t>(tool);
}

// The shape a creation tool (ComplexShape to Text) makes.
inline constexpr ShapeType ShapeTypeOf(Tool tool) {
  return static_cast<ShapeType>(ButtonNumber(tool) - ButtonNumber(Tool::ComplexShape));
}

struct Editor : EditorContext {
  Tool CurrentTool() const { return tool_; }
  void UseTool(Tool tool) {
    tool_ = tool;
    View.SelectTool = tool == Tool::Select;
  }

  bool ButtonDown = false;
  bool SpaceHeld = false;
  // Pan, pick, drag and the keys the pick reads: what each redraw is given.
  CanvasView View;
  // Where the pan or the press began, in scene units less the pan.
  int64_t DragStartX = 0;
  int64_t DragStartY = 0;
  // Pointer position of the last canvas event, in the current object's units.
  int64_t MouseX = 0;
  int64_t MouseY = 0;

 private:
  Tool tool_ = Tool::Move;
};

}  // namespace tavisk
