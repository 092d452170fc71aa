#include "io/svg/svg_document.h"

#include "io/svg/svg_markup.h"
#include "io/svg/svg_paint_elements.h"

namespace tavisk {

std::string SvgDocumentText(const std::vector<SvgPaint>& paints, const QRectF& viewBox,
                            const QTransform& deviceToDocument, bool textAsPaths) {
  const std::string width = SvgNumber(viewBox.width());
  const std::string height = SvgNumber(viewBox.height());
  std::string text =
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\""
      " version=\"1.1\" width=\"" +
      width + "\" height=\"" + height + "\" viewBox=\"" + SvgNumber(viewBox.x()) + " " +
      SvgNumber(viewBox.y()) + " " + width + " " + height + "\">\n";
  bool open = false;
  int group = 0;
  for (const SvgPaint& paint : paints) {
    if (!open || paint.Group != group) {
      if (open) text += "</g>\n";
      text += "<g>\n";
      open = true;
      group = paint.Group;
    }
    text += SvgPaintElements(paint, deviceToDocument, textAsPaths);
  }
  if (open) text += "</g>\n";
  text += "</svg>\n";
  return text;
}

}  // namespace tavisk
