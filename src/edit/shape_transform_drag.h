// Moving, scaling and rotating the picked shapes by a drag. Every drag event
// is computed from the shapes as they stood when the drag began and from the
// pointer's travel since then, so the result does not depend on how many
// motion events the gesture had, nor on what an earlier gesture left.
#pragma once

#include <cstdint>
#include <vector>

#include "edit/editor.h"

namespace tavisk {

class ShapeTransformDrag {
 public:
  // A new gesture: the shapes are taken at the first Apply.
  void Reset() { started_ = false; }

  // Applies the active tool (Move, Scale or Rotate) to the current and
  // selected unlocked shapes of the current object for a pointer at (mx, my);
  // (fromX, fromY) is where the pointer stood when the drag began, used at
  // the first call of a gesture.
  void Apply(Editor& ctx, int64_t fromX, int64_t fromY, int64_t mx, int64_t my);

 private:
  struct ShapeAtStart {
    int64_t index;
    int16_t x, y, w, h;
    std::vector<sPoint> points;
  };

  void Begin(EditorContext& ctx, int64_t fromX, int64_t fromY);
  void Move(EditorContext& ctx, sObject& object, int64_t dx, int64_t dy) const;
  static void Scale(sShape& shape, const ShapeAtStart& start, int64_t dx);
  static void Rotate(sShape& shape, const ShapeAtStart& start, int64_t dx);

  bool started_ = false;
  int64_t fromX_ = 0;
  int64_t fromY_ = 0;
  std::vector<ShapeAtStart> shapes_;
};

}  // namespace tavisk
