#include "io/svg/svg_paint_elements.h"

#include <QFontMetricsF>

#include "document/font_store.h"
#include "io/svg/svg_markup.h"
#include "io/svg/svg_paint_attributes.h"
#include "io/svg/svg_path_data.h"
#include "platform/png_writer.h"
#include "render/text_path_cache.h"

namespace tavisk {

namespace {

std::string Number(const char* name, double value) {
  return std::string(" ") + name + "=\"" + SvgNumber(value) + "\"";
}

std::string TextStyleAttributes(const SvgTextRun& run) {
  // Quoted so that any face name reads as one family.
  std::string family = "'";
  for (const char c : run.Face) {
    if (c == '\'' || c == '\\') family += '\\';
    family += c;
  }
  family += "'";
  std::string a = " font-family=\"" + XmlEscaped(family) + "\"" + Number("font-size", run.Pixels);
  if ((run.Style & kFontBold) != 0) a += " font-weight=\"bold\"";
  if ((run.Style & kFontItalic) != 0) a += " font-style=\"italic\"";
  std::string decoration;
  if ((run.Style & kFontUnderline) != 0) decoration = "underline";
  if ((run.Style & kFontStrikeOut) != 0)
    decoration += decoration.empty() ? "line-through" : " line-through";
  if (!decoration.empty()) a += " text-decoration=\"" + decoration + "\"";
  return a;
}

std::string TextElements(const SvgPaint& paint, const std::string& common) {
  std::string out;
  for (const SvgTextRun& run : paint.Texts) {
    // The renderer puts the text's top-left at the cursor: its baseline is
    // one ascent lower.
    const double ascent = QFontMetricsF(OutlineFont(run.Face, run.Style, run.Pixels)).ascent();
    out += "<text xml:space=\"preserve\"" + Number("x", run.At.x()) +
           Number("y", run.At.y() + ascent) + TextStyleAttributes(run) + common + ">" +
           XmlEscaped(run.Text) + "</text>\n";
  }
  return out;
}

std::string ImageElement(const PaintOp& op, const std::string& placement) {
  const std::string png = EncodePng(op.image);
  if (png.empty()) return "";
  const QRectF& r = op.target;
  std::string opacity;
  if (op.alpha < 255) opacity = " opacity=\"" + SvgNumber(op.alpha / 255.0) + "\"";
  return "<image" + Number("x", r.x()) + Number("y", r.y()) + Number("width", r.width()) +
         Number("height", r.height()) + " preserveAspectRatio=\"none\"" + opacity + placement +
         " xlink:href=\"data:image/png;base64," +
         QByteArray::fromStdString(png).toBase64().toStdString() + "\"/>\n";
}

}  // namespace

std::string SvgPaintElements(const SvgPaint& paint, const QTransform& deviceToDocument,
                             bool textAsPaths) {
  const PaintOp& op = paint.Op;
  bool invertible = false;
  const QTransform deviceToUser = op.transform.inverted(&invertible);
  // A layer scaled to nothing shows nothing.
  if (!invertible) return "";
  // Figures are written in user units, placed in the document by the rest.
  const QTransform userToDocument = op.transform * deviceToDocument;
  const std::string placement =
      userToDocument.isIdentity() ? "" : " transform=\"" + SvgMatrix(userToDocument) + "\"";
  if (op.kind == PaintKind::kImage) return ImageElement(op, placement);

  const std::string common = SvgPaintAttributes(op) + placement;
  const QRectF& r = paint.Rect;
  switch (paint.Figure) {
    case SvgFigure::Box:
      return "<rect" + Number("x", r.x()) + Number("y", r.y()) + Number("width", r.width()) +
             Number("height", r.height()) + common + "/>\n";
    case SvgFigure::Ellipse:
      return "<ellipse" + Number("cx", r.x()) + Number("cy", r.y()) + Number("rx", r.width()) +
             Number("ry", r.height()) + common + "/>\n";
    case SvgFigure::Text:
      if (!textAsPaths) return TextElements(paint, common);
      break;
    case SvgFigure::Path:
      break;
  }
  const std::string d = SvgPathData(deviceToUser.map(op.path));
  return d.empty() ? "" : "<path d=\"" + d + "\"" + common + "/>\n";
}

}  // namespace tavisk
