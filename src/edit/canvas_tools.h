// The canvas gestures: key state, panning, and the routing of each press,
// drag and release to the tool chosen at the press.
#pragma once

#include <cstdint>

#include "edit/creation_tool.h"
#include "edit/edit_history.h"
#include "edit/editing_tools.h"
#include "edit/editor.h"
#include "edit/pointer_to_scene.h"

namespace tavisk {

struct CanvasInput {
  enum Kind { kKeyDown, kKeyUp, kPress, kMove, kRelease, kOther };
  Kind kind = kOther;
  // Pointer position on the drawing area of the canvas, in pixels.
  double x = 0;
  double y = 0;
  // The left button: pressed or released by this event, or held during a move.
  bool left = false;
  // The right button pressed by this event.
  bool right = false;
  bool shift = false;
  int key = 0;
};

inline constexpr int kKeySpace = 32;
inline constexpr int kKeyShift = 16;
inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyRight = 39;
inline constexpr int kKeyDown = 40;

inline constexpr bool IsArrowKey(int key) {
  return key >= kKeyLeft && key <= kKeyDown;
}

// A tool button was pressed: gadget g chooses tool g - 2.
void ChooseTool(Editor& ctx, Tool tool);

class CanvasTools {
 public:
  // Each gesture, from its press to its release, is one edit of history.
  CanvasTools(Editor& ctx, EditHistory& history);

  void HandleEvent(const CanvasInput& input);

 private:
  CanvasTool* ToolFor(Tool tool);
  void Pan(const ScenePointer& p);
  void Press(const ScenePointer& p);
  void Release();
  void Nudge(const CanvasInput& arrow);

  Editor& ctx_;
  EditHistory& history_;
  // The press of the gesture under way opened an edit.
  bool editOpen_ = false;
  SelectTool select_;
  MoveTool move_;
  TransformTool transform_;
  AddPointTool addPoint_;
  DeletePointTool deletePoint_;
  CreationTool creation_;
  // The tool of the gesture under way, chosen at its press.
  CanvasTool* active_ = nullptr;
  // The pointer of the previous event: where a shape drag begins.
  ScenePointer previous_;
};

}  // namespace tavisk
