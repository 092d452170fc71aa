// The creation tools: a press adds a shape of the tool's type at the pointer
// (a complex shape from the chosen template, a picture after asking for its
// file), and the drag gives it its size or its last points.
#pragma once

#include <cstdint>

#include "edit/canvas_tool.h"

namespace tavisk {

class CreationTool final : public CanvasTool {
 public:
  using CanvasTool::CanvasTool;
  void Press(const ScenePointer& p) override;
  void Drag(const ScenePointer& p, const ScenePointer& previous) override;

 private:
  // The first of the points that follow the pointer while a new line or
  // curve is dragged out.
  int64_t createdPoint_ = 0;
  // The press made a shape. One that made none (a template that holds no
  // document, the rounded box) leaves the drag nothing to size: the current
  // shape is one the user made before.
  bool created_ = false;
};

}  // namespace tavisk
