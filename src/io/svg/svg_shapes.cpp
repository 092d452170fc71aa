#include "io/svg/svg_shapes.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "io/svg/svg_numbers.h"
#include "io/svg/svg_path_data.h"
#include "io/svg/svg_units.h"

namespace tavisk {

namespace {

class Lengths {
 public:
  Lengths(const SvgElement& element, QSizeF viewport, double fontSize)
      : element_(element), viewport_(viewport), fontSize_(fontSize) {}

  double X(const char* name) const { return Get(name, viewport_.width(), 0); }
  double Y(const char* name) const { return Get(name, viewport_.height(), 0); }
  // Radii count percentages in the viewport's normalised diagonal.
  double Diagonal(const char* name, double fallback) const {
    const double diagonal = std::hypot(viewport_.width(), viewport_.height()) / std::sqrt(2.0);
    return Get(name, diagonal, fallback);
  }
  bool Has(const char* name) const {
    double unused = 0;
    const std::string* text = element_.Attribute(name);
    return text != nullptr && ParseLength(*text, fontSize_, 100, unused);
  }

 private:
  double Get(const char* name, double percentBase, double fallback) const {
    const std::string* text = element_.Attribute(name);
    double value = fallback;
    if (text != nullptr && !ParseLength(*text, fontSize_, percentBase, value)) value = fallback;
    return value;
  }

  const SvgElement& element_;
  QSizeF viewport_;
  double fontSize_;
};

bool Take(int64_t& budget, int64_t points) {
  budget -= points;
  return budget >= 0;
}

QPainterPath RectOutline(const Lengths& l) {
  QPainterPath path;
  const double w = l.X("width"), h = l.Y("height");
  if (!(w > 0 && h > 0)) return path;
  double rx = l.X("rx"), ry = l.Y("ry");
  // A radius given alone stands for both.
  if (!l.Has("rx")) rx = ry;
  if (!l.Has("ry")) ry = rx;
  rx = std::clamp(rx, 0.0, w / 2);
  ry = std::clamp(ry, 0.0, h / 2);
  const QRectF rect(l.X("x"), l.Y("y"), w, h);
  if (rx > 0 && ry > 0) {
    path.addRoundedRect(rect, rx, ry);
  } else {
    path.addRect(rect);
  }
  return path;
}

QPainterPath EllipseOutline(double cx, double cy, double rx, double ry) {
  QPainterPath path;
  if (rx > 0 && ry > 0) path.addEllipse(QPointF(cx, cy), rx, ry);
  return path;
}

bool PointsOutline(const SvgElement& element, bool close, int64_t& budget, QPainterPath& path) {
  const std::string* text = element.Attribute("points");
  if (text == nullptr) return true;
  SvgNumberScanner scanner(*text);
  scanner.SkipSpaces();
  double x = 0, y = 0;
  bool first = true;
  // A list that goes wrong is drawn up to its last whole pair.
  while (!scanner.AtEnd() && scanner.Number(x) && scanner.Number(y)) {
    if (!Take(budget, 3)) return false;
    if (first) {
      path.moveTo(x, y);
    } else {
      path.lineTo(x, y);
    }
    first = false;
  }
  if (close && !first) path.closeSubpath();
  return true;
}

}  // namespace

SvgOutline ElementOutline(const SvgElement& element, QSizeF viewport, double fontSize,
                          int64_t& pointBudget) {
  SvgOutline out;
  const Lengths l(element, viewport, fontSize);
  const std::string& name = element.Name;
  out.Shape = true;
  if (name == "path") {
    const std::string* d = element.Attribute("d");
    if (d != nullptr)
      out.OverBudget = ParsePathData(*d, out.Path, pointBudget) == PathDataResult::OverBudget;
    return out;
  }
  if (name == "polyline" || name == "polygon") {
    out.OverBudget = !PointsOutline(element, name == "polygon", pointBudget, out.Path);
    return out;
  }
  if (name == "rect") {
    out.Path = RectOutline(l);
  } else if (name == "circle") {
    const double r = l.Diagonal("r", 0);
    out.Path = EllipseOutline(l.X("cx"), l.Y("cy"), r, r);
  } else if (name == "ellipse") {
    out.Path = EllipseOutline(l.X("cx"), l.Y("cy"), l.X("rx"), l.Y("ry"));
  } else if (name == "line") {
    out.Path.moveTo(l.X("x1"), l.Y("y1"));
    out.Path.lineTo(l.X("x2"), l.Y("y2"));
  } else {
    out.Shape = false;
    return out;
  }
  // A rounded rectangle has the most points of these: four corners and
  // four sides of three points each, and a jump.
  out.OverBudget = !Take(pointBudget, 27);
  return out;
}

}  // namespace tavisk
