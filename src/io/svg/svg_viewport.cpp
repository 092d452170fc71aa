#include "io/svg/svg_viewport.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "io/svg/svg_numbers.h"
#include "io/svg/svg_units.h"

namespace tavisk {

namespace {

// Where the viewBox sits in the viewport along one axis: 0 min, 0.5 mid,
// 1 max.
struct Alignment {
  bool stretch = false;
  double x = 0.5, y = 0.5;
  bool slice = false;
};

Alignment AlignmentOf(const std::string* text) {
  Alignment a;
  if (text == nullptr) return a;
  const std::string_view value(*text);
  if (value.find("none") != std::string_view::npos) {
    a.stretch = true;
    return a;
  }
  if (value.find("xMin") != std::string_view::npos) a.x = 0;
  if (value.find("xMax") != std::string_view::npos) a.x = 1;
  if (value.find("YMin") != std::string_view::npos) a.y = 0;
  if (value.find("YMax") != std::string_view::npos) a.y = 1;
  a.slice = value.find("slice") != std::string_view::npos;
  return a;
}

double LengthOr(const SvgElement& element, const char* name, double fontSize, double base,
                double fallback) {
  const std::string* text = element.Attribute(name);
  double value = fallback;
  if (text != nullptr && !ParseLength(*text, fontSize, base, value)) value = fallback;
  return value;
}

}  // namespace

SvgViewport ViewportOf(const SvgElement& element, QSizeF parentSize, double fontSize, bool root) {
  std::vector<double> box;
  const std::string* viewBox = element.Attribute("viewBox");
  const bool hasBox = viewBox != nullptr && ParseNumberList(*viewBox, box, 4) && box.size() == 4 &&
                      box[2] > 0 && box[3] > 0;
  if (root) parentSize = hasBox ? QSizeF(box[2], box[3]) : QSizeF(100, 100);
  const double x = root ? 0 : LengthOr(element, "x", fontSize, parentSize.width(), 0);
  const double y = root ? 0 : LengthOr(element, "y", fontSize, parentSize.height(), 0);
  double w = LengthOr(element, "width", fontSize, parentSize.width(), parentSize.width());
  double h = LengthOr(element, "height", fontSize, parentSize.height(), parentSize.height());
  if (!(w > 0)) w = parentSize.width();
  if (!(h > 0)) h = parentSize.height();

  SvgViewport out;
  out.Extent = QSizeF(w, h);
  out.Size = hasBox ? QSizeF(box[2], box[3]) : QSizeF(w, h);
  QTransform fit;
  if (hasBox) {
    const Alignment a = AlignmentOf(element.Attribute("preserveAspectRatio"));
    double sx = w / box[2], sy = h / box[3];
    if (!a.stretch) sx = sy = a.slice ? std::max(sx, sy) : std::min(sx, sy);
    const double dx = (w - box[2] * sx) * a.x, dy = (h - box[3] * sy) * a.y;
    fit = QTransform(sx, 0, 0, sy, dx - box[0] * sx, dy - box[1] * sy);
  }
  out.ToParent = fit * QTransform::fromTranslate(x, y);
  return out;
}

}  // namespace tavisk
