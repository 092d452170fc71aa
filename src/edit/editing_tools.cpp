#include "edit/editing_tools.h"

#include <algorithm>

#include "document/numeric.h"
#include "edit/point_editing.h"
#include "edit/point_hit.h"

namespace tavisk {

void EditingTool::Press(const ScenePointer& p) {
  Begin();
  if (ctx_.CurrentShape == -1) {
    PressPicture(p);
    return;
  }
  sObject* object = ctx_.CurrentObjectPtr();
  if (object == nullptr) return;
  for (int64_t i = 0; i <= LastIndex(object->Shape); ++i) {
    sShape& shape = object->Shape[static_cast<size_t>(i)];
    if (i != ctx_.CurrentShape && !shape.Selected) continue;
    if (PressShape(i, shape, p)) break;
  }
}

// With no current shape a press on a picture selects it here.
void EditingTool::PressPicture(const ScenePointer& p) {
  sObject* object = ctx_.CurrentObjectPtr();
  if (object == nullptr) return;
  for (int64_t i = 0; i <= LastIndex(object->Shape); ++i) {
    sShape& shape = object->Shape[static_cast<size_t>(i)];
    if (shape.Typ != kImage) continue;
    // The rectangle the user sees: the drawn size, whichever way it points.
    const int64_t x0 = std::min<int64_t>(shape.X, shape.X + shape.W);
    const int64_t x1 = std::max<int64_t>(shape.X, shape.X + shape.W);
    const int64_t y0 = std::min<int64_t>(shape.Y, shape.Y + shape.H);
    const int64_t y1 = std::max<int64_t>(shape.Y, shape.Y + shape.H);
    if (p.SX < x0 || p.SX > x1 || p.SY < y0 || p.SY > y1) continue;
    shape.Selected = 1;
    ctx_.CurrentShape = i;
    ctx_.View.Pick = PickState::Settled;
    if (ctx_.CurrentTool() == Tool::Move) ctx_.View.Drag = DragMode::Shapes;
    return;
  }
}

// The shape whose point is hit becomes the current one, so that the point
// tools change the shape the user pointed at.
int64_t EditingTool::HitPoint(int64_t index, sShape& shape, const ScenePointer& p) {
  const int64_t k = PointUnderPointer(shape, p);
  ctx_.CurrentPoint = k;
  if (k >= 0 && ctx_.CurrentShape != index) {
    ctx_.CurrentShape = index;
    ctx_.Hooks->ShowShapeProperties();
  }
  return k;
}

bool SelectTool::PressShape(int64_t index, sShape& shape, const ScenePointer& p) {
  return HitPoint(index, shape, p) >= 0;
}

bool DeletePointTool::PressShape(int64_t index, sShape& shape, const ScenePointer& p) {
  const int64_t k = HitPoint(index, shape, p);
  if (k < 0) return false;
  DeletePoint(ctx_, k);
  return true;
}

bool AddPointTool::PressShape(int64_t /*index*/, sShape& shape, const ScenePointer& p) {
  // In the shape's own units, so that the point sits under the pointer.
  const int64_t x = p.SX - shape.X;
  const int64_t y = p.SY - shape.Y;
  if (shape.Typ == kComplexShape || shape.Typ == kCurve) {
    shape.Pt.push_back({x - 10, y, 0, 0});
    shape.Pt.push_back({x, y, 0, 0});
    shape.Pt.push_back({x + 10, y, 0, 0});
  } else if (shape.Typ == kLine) {
    shape.Pt.push_back({x, y, 0, 0});
  } else {
    return false;
  }
  ctx_.View.Drag = DragMode::AddedPoints;
  return true;
}

void TransformTool::Drag(const ScenePointer& p, const ScenePointer& previous) {
  if (ctx_.CurrentShape >= 0 && ctx_.View.Drag == DragMode::Shapes) {
    transform_.Apply(ctx_, previous.MX, previous.MY, p.MX, p.MY);
  }
}

bool MoveTool::PressShape(int64_t index, sShape& shape, const ScenePointer& p) {
  const int64_t k = HitPoint(index, shape, p);
  if (k < 0) {
    // Texts and pictures have no points to grab: a press on them moves them.
    if (shape.Typ == kImage || shape.Typ == kText) ctx_.View.Drag = DragMode::Shapes;
    return false;
  }
  ctx_.View.Drag = DragMode::Point;
  auto at = [&](int64_t i) {
    const sPoint& q = shape.Pt[static_cast<size_t>(i)];
    return PointAtPress{i, shape.X + q.X, shape.Y + q.Y};
  };
  dragged_ = at(k);
  controls_.clear();
  for (const int64_t i : ControlPointsOf(shape, k)) controls_.push_back(at(i));
  return true;
}

void MoveTool::Drag(const ScenePointer& p, const ScenePointer& previous) {
  if (ctx_.CurrentShape < 0) return;
  if (ctx_.View.Drag == DragMode::Point) {
    ScenePointer snapped = p;
    if (ctx_.Options.Snap == 1) {
      snapped.SX = SnapToStep(p.SX, ctx_.Options.SnapX);
      snapped.SY = SnapToStep(p.SY, ctx_.Options.SnapY);
    }
    DragPoint(snapped);
  } else if (ctx_.View.Drag == DragMode::Shapes) {
    transform_.Apply(ctx_, previous.MX, previous.MY, p.MX, p.MY);
  }
}

// The pointer is already in the object's units, less the pan: the point is
// the pointer less its shape's position.
void MoveTool::DragPoint(const ScenePointer& p) {
  sShape* shape = ctx_.CurrentShapePtr();
  if (shape == nullptr || shape->Locked || !ValidIndex(shape->Pt, ctx_.CurrentPoint)) return;
  sPoint& point = shape->Pt[static_cast<size_t>(ctx_.CurrentPoint)];
  point.X = p.SX - shape->X;
  point.Y = p.SY - shape->Y;
  ctx_.Hooks->ShowPointPosition(point.X, point.Y);
  if (dragged_.index != ctx_.CurrentPoint) return;
  const int64_t dx = p.SX - dragged_.x;
  const int64_t dy = p.SY - dragged_.y;
  for (const PointAtPress& control : controls_) {
    if (!ValidIndex(shape->Pt, control.index) || control.index == ctx_.CurrentPoint) continue;
    sPoint& q = shape->Pt[static_cast<size_t>(control.index)];
    q.X = control.x + dx - shape->X;
    q.Y = control.y + dy - shape->Y;
  }
}

}  // namespace tavisk
