#include "edit/creation_tool.h"

#include <algorithm>
#include <cstdlib>

#include "document/numeric.h"
#include "edit/shape_creation.h"

namespace tavisk {

void CreationTool::Press(const ScenePointer& p) {
  created_ = AddShape(ctx_, ShapeTypeOf(ctx_.CurrentTool()), p.SX, p.SY) == 1;
  if (created_) {
    if (const sShape* shape = ctx_.CurrentShapePtr()) {
      createdPoint_ = LastIndex(shape->Pt) - (shape->Typ == kCurve ? 2 : 0);
    }
  }
  ctx_.View.CreateMode = true;
}

// The new shape was placed at the pointer less the pan, so it is sized in
// the same units: with the view panned it still follows the pointer.
void CreationTool::Drag(const ScenePointer& p, const ScenePointer& /*previous*/) {
  if (!ctx_.View.CreateMode || !created_) return;
  sShape* shape = ctx_.CurrentShapePtr();
  if (shape == nullptr) return;
  switch (shape->Typ) {
    case kLine:
      if (ValidIndex(shape->Pt, createdPoint_)) {
        shape->Pt[static_cast<size_t>(createdPoint_)].X = p.SX;
        shape->Pt[static_cast<size_t>(createdPoint_)].Y = p.SY;
      }
      break;
    case kCurve:
      for (int64_t i = 0; i < 3; ++i) {
        if (!ValidIndex(shape->Pt, createdPoint_ + i)) break;
        sPoint& point = shape->Pt[static_cast<size_t>(createdPoint_ + i)];
        point.X = p.SX + 5 * (i - 1);
        point.Y = p.SY + 5 * (i - 1);
      }
      break;
    case kBox:
    case kRoundBox:
      shape->W = Wrap16(p.SX - shape->StartX);
      shape->H = Wrap16(p.SY - shape->StartY);
      break;
    case kText:
      shape->W = Wrap16(std::max<int64_t>(1, std::llabs(p.SX - shape->StartX)));
      shape->H = Wrap16(std::llabs(p.SY - shape->StartY));
      break;
    case kCircle:
      shape->W = Wrap16(std::max<int64_t>(1, std::llabs(p.SX - shape->StartX)));
      shape->H = Wrap16(std::max<int64_t>(1, std::llabs(p.SY - shape->StartY)));
      break;
    default:
      break;
  }
}

}  // namespace tavisk
