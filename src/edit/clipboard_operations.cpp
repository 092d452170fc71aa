#include "edit/clipboard_operations.h"

#include <string>
#include <utility>
#include <vector>

#include "document/picture_loader.h"
#include "edit/document_loading.h"
#include "edit/shape_operations.h"
#include "edit/svg_import.h"
#include "io/clipboard/shapes_clipboard.h"
#include "io/svg/svg_reader.h"

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

// The shapes of our own clipboard text, read apart from the scene (the
// paste decides where they go), with fonts and pictures loaded into ctx's
// stores; empty when the text holds no document line.
std::vector<sShape> ReadClipboardShapes(EditorContext& ctx, std::string_view text) {
  std::vector<sShape> shapes;
  const DocumentReadResult read = ReadDocument(text);
  if (read.Has(DocumentDiagnostic::NotADocument)) return shapes;
  EditorContext scratch;
  const auto loadPicture = [&ctx](const std::string& path) { return LoadPicture(ctx, 0, path); };
  PlaceDocument(scratch, kLoadReplace, read, loadPicture);
  for (sObject& object : scratch.Obj) {
    if (object.HasShape != 1) continue;
    for (sShape& shape : object.Shape) {
      if (shape.Typ == kText) shape.Font = ctx.Fonts.Load(shape.FontName, shape.W, shape.FontStyle);
      shapes.push_back(std::move(shape));
    }
  }
  return shapes;
}

// The shapes of an SVG picture, imported as Import SVG imports one but into
// a drawing of their own, so that the user hears what was dropped in the
// same words; their fonts are loaded into ctx's store.
std::vector<sShape> ReadSvgShapes(EditorContext& ctx, const std::string& text) {
  EditorContext scratch;
  scratch.Req = ctx.Req;
  std::vector<sShape> shapes;
  if (!ImportSvgLayer(scratch, ReadSvgText(text), "Clipboard")) return shapes;
  sObject& layer = *scratch.CurrentObjectPtr();
  if (layer.HasShape != 1) return shapes;
  for (sShape& shape : layer.Shape) {
    if (shape.Typ == kText) shape.Font = ctx.Fonts.Load(shape.FontName, shape.W, shape.FontStyle);
    shapes.push_back(std::move(shape));
  }
  return shapes;
}

// What the clipboard holds, as shapes of ctx: our own, else an SVG picture,
// else plain text that is one.
std::vector<sShape> ClipboardShapes(EditorContext& ctx, const SystemClipboard& clipboard) {
  if (const std::optional<std::string> text = clipboard.Read(kShapesMimeType)) {
    std::vector<sShape> shapes = ReadClipboardShapes(ctx, *text);
    if (!shapes.empty()) return shapes;
  }
  if (const std::optional<std::string> svg = clipboard.Read(kSvgMimeType)) {
    return ReadSvgShapes(ctx, *svg);
  }
  const std::optional<std::string> text = clipboard.Read(kPlainTextMimeType);
  if (text && LooksLikeSvgText(*text)) return ReadSvgShapes(ctx, *text);
  return {};
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
  std::vector<sShape> shapes = ClipboardShapes(ctx, clipboard);
  if (shapes.empty()) return false;
  PasteShapesAtPointer(ctx, std::move(shapes), canvasPointer);
  return true;
}

}  // namespace tavisk
