#include "edit/shape_transform_drag.h"

#include <cmath>

#include "document/numeric.h"

namespace tavisk {

namespace {

bool HasSize(uint8_t type) {
  return type == kBox || type == kRoundBox || type == kCircle || type == kImage ||
         type == kText;
}


// A size scaled by factor keeps its sign; circles, texts and images never
// shrink below one unit.
int16_t ScaledSize(int16_t size, double factor, uint8_t type) {
  int64_t scaled = RoundInt(static_cast<double>(size) * factor);
  if (type != kBox && type != kRoundBox && std::llabs(scaled) < 1) scaled = size < 0 ? -1 : 1;
  return Wrap16(scaled);
}

}  // namespace

void ShapeTransformDrag::Begin(EditorContext& ctx, int64_t fromX, int64_t fromY) {
  started_ = true;
  fromX_ = fromX;
  fromY_ = fromY;
  shapes_.clear();
  const sObject* object = ctx.CurrentObjectPtr();
  if (object == nullptr) return;
  for (int64_t i = 0; i <= LastIndex(object->Shape); ++i) {
    const sShape& shape = object->Shape[static_cast<size_t>(i)];
    if (shape.Locked || (i != ctx.CurrentShape && !shape.Selected)) continue;
    shapes_.push_back({i, shape.X, shape.Y, shape.W, shape.H, shape.Pt});
  }
}

void ShapeTransformDrag::Apply(Editor& ctx, int64_t fromX, int64_t fromY, int64_t mx, int64_t my) {
  if (!started_) Begin(ctx, fromX, fromY);
  sObject* object = ctx.CurrentObjectPtr();
  if (object == nullptr) return;
  const int64_t dx = mx - fromX_;
  const int64_t dy = my - fromY_;
  if (ctx.CurrentTool() == Tool::Move) {
    Move(ctx, *object, dx, dy);
    return;
  }
  for (const ShapeAtStart& start : shapes_) {
    if (!ValidIndex(object->Shape, start.index)) continue;
    sShape& shape = object->Shape[static_cast<size_t>(start.index)];
    if (ctx.CurrentTool() == Tool::Scale) Scale(shape, start, dx);
    if (ctx.CurrentTool() == Tool::Rotate) Rotate(shape, start, dx);
  }
}

// With snap on, the shape under the pointer (the current one, else the first)
// lands on the grid and the others keep their distance to it.
void ShapeTransformDrag::Move(EditorContext& ctx, sObject& object, int64_t dx, int64_t dy) const {
  if (shapes_.empty()) return;
  if (ctx.Options.Snap != 0) {
    const ShapeAtStart* lead = &shapes_.front();
    for (const ShapeAtStart& start : shapes_) {
      if (start.index == ctx.CurrentShape) lead = &start;
    }
    dx = SnapToStep(lead->x + dx, ctx.Options.SnapX) - lead->x;
    dy = SnapToStep(lead->y + dy, ctx.Options.SnapY) - lead->y;
  }
  for (const ShapeAtStart& start : shapes_) {
    if (!ValidIndex(object.Shape, start.index)) continue;
    sShape& shape = object.Shape[static_cast<size_t>(start.index)];
    shape.X = Wrap16(start.x + dx);
    shape.Y = Wrap16(start.y + dy);
  }
}

// A horizontal drag of 100 units doubles the shape about its first point.
void ShapeTransformDrag::Scale(sShape& shape, const ShapeAtStart& start, int64_t dx) {
  const double s = static_cast<double>(dx) * 0.01;
  shape.ScaleFactor = s;
  if (start.points.empty()) return;
  const sPoint& first = start.points.front();
  for (size_t k = 0; k < shape.Pt.size() && k < start.points.size(); ++k) {
    const sPoint& from = start.points[k];
    shape.Pt[k].X = RoundInt(static_cast<double>(from.X) * (1 + s) - static_cast<double>(first.X) * s);
    shape.Pt[k].Y = RoundInt(static_cast<double>(from.Y) * (1 + s) - static_cast<double>(first.Y) * s);
  }
  if (HasSize(shape.Typ)) {
    shape.W = ScaledSize(start.w, 1 + s, shape.Typ);
    shape.H = ScaledSize(start.h, 1 + s, shape.Typ);
  }
}

// Ten units of horizontal travel turn the shape one degree about (CX, CY).
void ShapeTransformDrag::Rotate(sShape& shape, const ShapeAtStart& start, int64_t dx) {
  shape.Angle = Wrap16(RoundInt(static_cast<double>(dx) * 0.1));
  const float radians = static_cast<float>(shape.Angle * M_PI / 180.0);
  const float c = std::cos(radians);
  const float s = std::sin(radians);
  for (size_t k = 0; k < shape.Pt.size() && k < start.points.size(); ++k) {
    const double d = static_cast<double>(start.points[k].X - shape.CX);
    const double e = static_cast<double>(start.points[k].Y - shape.CY);
    shape.Pt[k].X = RoundInt(shape.CX + d * c - e * s);
    shape.Pt[k].Y = RoundInt(shape.CY + e * c + d * s);
  }
}

}  // namespace tavisk
