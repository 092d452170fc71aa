#include "edit/clipboard_operations.h"

#include <string>
#include <utility>
#include <vector>

#include "edit/shape_operations.h"
#include "io/clipboard/shapes_clipboard.h"

namespace tavisk {

namespace {

std::vector<sShape> ShapesToCopy(const EditorContext& ctx) {
  std::vector<sShape> copies;
  if (!ValidIndex(ctx.Obj, ctx.CurrentObject)) return copies;
  const sObject& object = ctx.Obj[static_cast<size_t>(ctx.CurrentObject)];
  if (object.HasShape == 0) return copies;
  for (size_t i = 0; i < object.Shape.size(); ++i) {
    const sShape& shape = object.Shape[i];
    const bool chosen = shape.Selected != 0 || static_cast<int64_t>(i) == ctx.CurrentShape;
    if (!chosen || shape.Hide != 0) continue;
    sShape& copy = copies.emplace_back(shape);
    copy.Name = "Shape_" + std::to_string(object.Shape.size() + copies.size() - 1);
  }
  return copies;
}

}  // namespace

void CopyToClipboard(EditorContext& ctx, SystemClipboard& clipboard) {
  CopyShape(ctx);
  const std::vector<sShape> copies = ShapesToCopy(ctx);
  if (!copies.empty()) clipboard.Put(ShapesClipboardContent(ctx, copies));
}

bool PasteFromClipboard(Editor& ctx, const SystemClipboard& clipboard,
                        const std::optional<QPointF>& canvasPointer) {
  if (ctx.CurrentObjectPtr() == nullptr) return false;
  if (const std::optional<std::string> text = clipboard.Read(kShapesMimeType)) {
    std::vector<sShape> shapes = ReadClipboardShapes(ctx, *text);
    if (!shapes.empty()) {
      PasteShapesAtPointer(ctx, std::move(shapes), canvasPointer);
      return true;
    }
  }
  return false;
}

}  // namespace tavisk
