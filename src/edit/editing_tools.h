// The tools that edit existing shapes: select, move, scale, rotate, add
// point and delete point. A press acts on the current and selected shapes of
// the current object; with none current, it picks a picture under the
// pointer. Clicks on shape areas are picked by the press pick (press_pick.h).
#pragma once

#include <cstdint>
#include <vector>

#include "edit/canvas_tool.h"
#include "edit/shape_transform_drag.h"

namespace tavisk {

class EditingTool : public CanvasTool {
 public:
  using CanvasTool::CanvasTool;
  void Press(const ScenePointer& p) final;

 protected:
  // One current or selected shape, in index order; true ends the press.
  virtual bool PressShape(int64_t /*index*/, sShape& /*shape*/, const ScenePointer& /*p*/) {
    return false;
  }
  virtual void Begin() {}
  // The index of the point of shape under the pointer, made current with its
  // shape, or -1 (CurrentPoint then -1 too).
  int64_t HitPoint(int64_t index, sShape& shape, const ScenePointer& p);

 private:
  void PressPicture(const ScenePointer& p);
};

class SelectTool final : public EditingTool {
 public:
  using EditingTool::EditingTool;

 protected:
  bool PressShape(int64_t index, sShape& shape, const ScenePointer& p) override;
};

class DeletePointTool final : public EditingTool {
 public:
  using EditingTool::EditingTool;

 protected:
  bool PressShape(int64_t index, sShape& shape, const ScenePointer& p) override;
};

// New points go under the pointer, to the first line, curve or complex
// shape.
class AddPointTool final : public EditingTool {
 public:
  using EditingTool::EditingTool;

 protected:
  bool PressShape(int64_t index, sShape& shape, const ScenePointer& p) override;
};

// Scale and rotate: a horizontal drag transforms the picked shapes.
class TransformTool final : public EditingTool {
 public:
  using EditingTool::EditingTool;
  void Drag(const ScenePointer& p, const ScenePointer& previous) override;

 protected:
  void Begin() override { transform_.Reset(); }

 private:
  ShapeTransformDrag transform_;
};

// Drags a point of a shape (an anchor of a curve takes its two control
// points along), or moves the picked shapes.
class MoveTool final : public EditingTool {
 public:
  using EditingTool::EditingTool;
  void Drag(const ScenePointer& p, const ScenePointer& previous) override;

 protected:
  void Begin() override { transform_.Reset(); }
  bool PressShape(int64_t index, sShape& shape, const ScenePointer& p) override;

 private:
  // A point where it stood at the press, in scene units.
  struct PointAtPress {
    int64_t index = -1;
    int64_t x = 0;
    int64_t y = 0;
  };
  void DragPoint(const ScenePointer& p);

  PointAtPress dragged_;
  // The control points that follow a dragged anchor.
  std::vector<PointAtPress> controls_;
  ShapeTransformDrag transform_;
};

}  // namespace tavisk
