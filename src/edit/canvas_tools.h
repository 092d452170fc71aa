// The canvas gestures: key state, panning, the press of each tool, dragging
// points and shapes, dragging out new shapes, and the release.
#pragma once

#include <cstdint>

#include "document/editor_context.h"
#include "edit/pointer_to_scene.h"
#include "edit/shape_transform_drag.h"

namespace tavisk {

struct CanvasInput {
  enum Kind { kKeyDown, kKeyUp, kPress, kMove, kRelease, kOther };
  Kind kind = kOther;
  // Pointer position on the drawing area of the canvas, in pixels.
  double x = 0;
  double y = 0;
  // The left button: pressed or released by this event, or held during a move.
  bool left = false;
  bool shift = false;
  int key = 0;
};

inline constexpr int kKeySpace = 32;
inline constexpr int kKeyShift = 16;

// A tool button was pressed: gadget g chooses tool g - 2.
void ChooseTool(EditorContext& ctx, uint8_t tool);

class CanvasTools {
 public:
  explicit CanvasTools(EditorContext& ctx) : ctx_(ctx) {}

  void HandleEvent(const CanvasInput& input);

 private:
  void Pan(const ScenePointer& p);
  void Press(const ScenePointer& p);
  void PressImageHitTest(const ScenePointer& p);
  void PressOnSelection(const ScenePointer& p);
  bool AddPointsAtPointer(sShape& shape, const ScenePointer& p);
  bool PressOnPoints(int64_t index, sShape& shape, const ScenePointer& p);
  void PressCreate(const ScenePointer& p);
  void Drag(ScenePointer p);
  void DragPoint(const ScenePointer& p);
  void DragNewShape(const ScenePointer& p);
  void Release();

  EditorContext& ctx_;
  bool redrawDue_ = false;
  // The pointer of the previous event: where a shape drag begins.
  int64_t lastMX_ = 0;
  int64_t lastMY_ = 0;
  ShapeTransformDrag transform_;
  // The dragged point and its neighbours where they stood at the press, in
  // scene units.
  struct PointAtPress {
    int64_t index = -1;
    int64_t x = 0;
    int64_t y = 0;
  };
  PointAtPress dragged_;
  PointAtPress previous_;
  PointAtPress next_;
  // The first of the points that follow the pointer while a new line or
  // curve is dragged out.
  int64_t createdPoint_ = 0;
};

}  // namespace tavisk
