#include "edit/shape_operations.h"

#include <algorithm>
#include <string>
#include <utility>

#include "document/numeric.h"
#include "edit/pointer_to_scene.h"

namespace tavisk {

namespace {

// A deep copy that also gets a font handle of its own: a shared handle would
// lose the copy's font when the original's font is replaced and released.
sShape CopyOf(EditorContext& ctx, const sShape& source) {
  sShape copy = source;
  if (const FontSpec* font = ctx.Fonts.Get(source.Font)) {
    copy.Font = ctx.Fonts.Load(font->Name, font->Size, font->Style);
  }
  return copy;
}

// Exchanges the order of the current shape and its neighbour at
// CurrentShape + step. The keys are first renumbered to the drawing order:
// paste copies a key and deletion leaves gaps, and an equal or out-of-order
// key would make the move do nothing or carry an unrelated shape along.
void MoveShape(EditorContext& ctx, int64_t step) {
  sObject* object = ctx.CurrentObjectPtr();
  if (object == nullptr || ctx.CurrentShapePtr() == nullptr) return;
  std::vector<sShape>& shapes = object->Shape;
  const int64_t neighbour = ctx.CurrentShape + step;
  if (!ValidIndex(shapes, neighbour)) return;
  for (size_t i = 0; i < shapes.size(); ++i) shapes[i].Id = static_cast<int64_t>(i);
  std::swap(shapes[static_cast<size_t>(ctx.CurrentShape)].Id,
            shapes[static_cast<size_t>(neighbour)].Id);
  std::stable_sort(shapes.begin(), shapes.end(),
                   [](const sShape& a, const sShape& b) { return a.Id < b.Id; });
  ctx.CurrentShape = neighbour;
}

}  // namespace

void SetAllSelected(EditorContext& ctx, uint8_t flag) {
  sObject* object = ctx.CurrentObjectPtr();
  if (object == nullptr) return;
  for (sShape& shape : object->Shape) shape.Selected = flag;
}

void SelectAll(Editor& ctx) {
  SetAllSelected(ctx, 1);
  if (sObject* object = ctx.CurrentObjectPtr()) {
    for (sShape& shape : object->Shape) {
      if (ctx.CurrentTool() == Tool::Move) {
        shape.StartX = Wrap16(ctx.MouseX - shape.X);
        shape.StartY = Wrap16(ctx.MouseY - shape.Y);
      } else if (ctx.CurrentTool() == Tool::Scale) {
        shape.StartX = Wrap16(ctx.MouseX - shape.W);
        shape.StartY = Wrap16(ctx.MouseY + shape.H);
      }
    }
  }
  ctx.View.ShiftHeld = true;
}

void DeselectAll(EditorContext& ctx) {
  SetAllSelected(ctx, 0);
  ctx.CurrentShape = -1;
}

void CopyShape(EditorContext& ctx) {
  const sShape* shape = ctx.CurrentShapePtr();
  if (shape == nullptr) return;
  sShape& clip = ctx.Clipboard.Shape[0];
  clip = CopyOf(ctx, *shape);
  clip.Name = "Shape_" + std::to_string(ctx.CurrentObjectPtr()->Shape.size());
}

void PasteShapes(EditorContext& ctx, std::vector<sShape> shapes, int64_t dx, int64_t dy) {
  sObject* object = ctx.CurrentObjectPtr();
  if (object == nullptr || shapes.empty()) return;
  for (sShape& shape : object->Shape) shape.Selected = 0;
  // An empty object's placeholder is reused, as a new shape reuses it, and
  // the object then has shapes: appending after it would leave a blank shape
  // in the document and the pasted one out of the shape list.
  if (object->HasShape == 0) object->Shape.clear();
  object->HasShape = 1;
  for (sShape& shape : shapes) {
    shape.X = Wrap16(shape.X + dx);
    shape.Y = Wrap16(shape.Y + dy);
    shape.Selected = 1;
    object->Shape.push_back(std::move(shape));
  }
  ctx.ObjReady = 1;
  ctx.CurrentShape = LastIndex(object->Shape);
  ctx.CurrentPoint = 0;
}

void PasteShapesAtPointer(Editor& ctx, std::vector<sShape> shapes,
                          const std::optional<QPointF>& canvasPointer) {
  if (shapes.empty()) return;
  std::optional<ScenePointer> scene;
  if (canvasPointer) scene = PointerToScene(ctx, canvasPointer->x(), canvasPointer->y());
  int64_t dx = kPasteOffset;
  int64_t dy = kPasteOffset;
  if (scene) {
    const sShape& first = shapes.front();
    dx = scene->SX - first.Pt[0].X - first.X;
    dy = scene->SY - first.Pt[0].Y - first.Y;
  }
  PasteShapes(ctx, std::move(shapes), dx, dy);
}

void PasteToShape(EditorContext& ctx) {
  sShape* shape = ctx.CurrentShapePtr();
  if (shape == nullptr) return;
  *shape = CopyOf(ctx, ctx.Clipboard.Shape[0]);
}

void DeleteCurrentShape(EditorContext& ctx) {
  sObject* object = ctx.CurrentObjectPtr();
  if (object == nullptr || object->HasShape != 1 || ctx.CurrentShapePtr() == nullptr) return;
  if (object->Shape.size() == 1) {
    // The placeholder is blanked so that the next shape made in it inherits
    // nothing (extra Fx, points, text) from the deleted one.
    object->Shape[0] = sShape{};
    object->HasShape = 0;
    ctx.CurrentShape = -1;
    ctx.ObjReady = -1;
  } else {
    object->Shape.erase(object->Shape.begin() + ctx.CurrentShape);
    ctx.CurrentShape = 0;
  }
}

void MoveShapeUp(EditorContext& ctx) {
  MoveShape(ctx, -1);
}

void MoveShapeDown(EditorContext& ctx) {
  MoveShape(ctx, 1);
}

}  // namespace tavisk
