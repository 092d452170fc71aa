#include "io/clipboard/shapes_clipboard.h"

#include "io/document/document_writer.h"
#include "io/svg/svg_writer.h"
#include "render/shapes_picture.h"

namespace tavisk {

namespace {

sObject HolderOf(const std::vector<sShape>& shapes) {
  sObject holder;
  holder.Name = "Clipboard";
  holder.W = holder.H = 100;
  holder.HasShape = 1;
  holder.Shape = shapes;
  return holder;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

}  // namespace

ClipboardContent ShapesClipboardContent(const EditorContext& ctx,
                                        const std::vector<sShape>& shapes) {
  ClipboardContent content;
  if (shapes.empty()) return content;
  const sObject holder = HolderOf(shapes);
  content.Formats[kShapesMimeType] = WriteDocumentText({holder});
  // As plain text too, so that a paste into a text editor gives the SVG.
  const std::string svg = ShapesSvgText(ctx, shapes);
  if (!svg.empty()) {
    content.Formats[kSvgMimeType] = svg;
    content.Formats[kPlainTextMimeType] = svg;
  }
  content.Picture = PaintShapesPicture(ctx, holder);
  return content;
}

bool LooksLikeSvgText(std::string_view text) {
  if (text.size() > kMaxSvgTextBytes) return false;
  const size_t start = text.find_first_not_of(" \t\r\n");
  if (start == std::string_view::npos) return false;
  text.remove_prefix(start);
  return StartsWith(text, "<?xml") || StartsWith(text, "<svg");
}

}  // namespace tavisk
