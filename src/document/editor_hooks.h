// What the document and rendering code asks of the shell: panel refreshes,
// the canvas redraw, the shapes under the pointer and the window title. The shell implements it; tests pass
// a recording fake. Every call does nothing by default.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "document/canvas_view.h"

namespace tavisk {

// What an edit, an undo or a redo changed, as the edit history announces it:
// the shell refreshes its panels, lists and canvas from this alone.
struct EditorChanges {
  bool objects = false;    // objects added, removed, reordered or their fields
  bool shapes = false;     // the shapes of some object
  bool cursor = false;     // the current object, shape, point or Fx
  bool selection = false;  // which shapes are selected
  bool history = false;    // what can be undone or redone, or the saved state

  bool Any() const { return objects || shapes || cursor || selection || history; }
};

class EditorHooks {
 public:
  virtual ~EditorHooks() = default;

  virtual void Changed(const EditorChanges& /*changes*/) {}

  virtual void ShowShapeProperties() {}
  virtual void RedrawCanvas() {}
  // Of the shown shapes of the current object under the pointer (x, y), in
  // the current object's units, with the pan of view, the one drawn last
  // (topmost) or first, or -1. Under it means inside a shape's even-odd
  // area, within reach of its outline, or inside a picture's rectangle.
  // Answered from geometry; nothing is painted.
  virtual int64_t ShapeUnderPointer(const CanvasView& /*view*/, int64_t /*x*/, int64_t /*y*/,
                                    bool /*topmost*/) {
    return -1;
  }
  virtual void SetWindowTitle(const std::string& /*title*/) {}
  // The point coordinate fields shown while a point is dragged.
  virtual void ShowPointPosition(int64_t /*x*/, int64_t /*y*/) {}
  // The names of the Fx presets, for the preset list.
  virtual void ShowFxPresets(const std::vector<std::string>& /*names*/) {}
  // The active tool changed without its button being pressed.
  virtual void ShowTool(uint8_t /*tool*/) {}
};

}  // namespace tavisk
