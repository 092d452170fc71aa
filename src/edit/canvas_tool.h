// One tool on the canvas: what a press, the drags that follow and the
// release do. Each tool keeps the state its gesture started from, so nothing
// an earlier gesture or another tool left behind leaks into the next one.
#pragma once

#include "edit/editor.h"
#include "edit/pointer_to_scene.h"

namespace tavisk {

class CanvasTool {
 public:
  explicit CanvasTool(Editor& ctx) : ctx_(ctx) {}
  virtual ~CanvasTool() = default;
  CanvasTool(const CanvasTool&) = delete;
  CanvasTool& operator=(const CanvasTool&) = delete;

  virtual void Press(const ScenePointer& p) = 0;
  // previous is the pointer of the event before this one.
  virtual void Drag(const ScenePointer& /*p*/, const ScenePointer& /*previous*/) {}

 protected:
  Editor& ctx_;
};

}  // namespace tavisk
