#include "render/figure_reach.h"

#include <algorithm>
#include <cmath>

namespace tavisk {

namespace {

// One figure's elements, [first, end) of the path's.
struct Figure {
  int first = 0;
  int end = 0;
};

std::vector<Figure> FiguresOf(const QPainterPath& path) {
  std::vector<Figure> figures;
  const int count = path.elementCount();
  for (int first = 0; first < count;) {
    int end = first + 1;
    while (end < count && path.elementAt(end).type != QPainterPath::MoveToElement) ++end;
    figures.push_back({first, end});
    first = end;
  }
  return figures;
}

bool Reaches(const QPainterPath& path, const Figure& figure, const QRectF& area, double reach) {
  double left = path.elementAt(figure.first).x;
  double right = left;
  double top = path.elementAt(figure.first).y;
  double bottom = top;
  for (int i = figure.first + 1; i < figure.end; ++i) {
    const QPainterPath::Element e = path.elementAt(i);
    left = std::min(left, e.x);
    right = std::max(right, e.x);
    top = std::min(top, e.y);
    bottom = std::max(bottom, e.y);
  }
  return right + reach > area.left() && left - reach < area.right() &&
         bottom + reach > area.top() && top - reach < area.bottom();
}

// Appends the figure's elements to out as they are.
void AppendFigure(const QPainterPath& path, const Figure& figure, QPainterPath& out) {
  out.moveTo(path.elementAt(figure.first));
  for (int i = figure.first + 1; i < figure.end; ++i) {
    const QPainterPath::Element e = path.elementAt(i);
    if (e.type == QPainterPath::CurveToElement && i + 2 < figure.end) {
      out.cubicTo(e, path.elementAt(i + 1), path.elementAt(i + 2));
      i += 2;
    } else {
      out.lineTo(e);
    }
  }
}

}  // namespace

double DeviceStretch(const QTransform& t) {
  return std::max(std::abs(t.m11()) + std::abs(t.m12()), std::abs(t.m21()) + std::abs(t.m22()));
}

double PaintReach(PaintKind kind, double width, double stretch) {
  constexpr double kFringe = 2;
  if (kind == PaintKind::kFill || kind == PaintKind::kImage) return kFringe;
  const double pen = (width > 0 ? width : 1.0) * stretch;
  // A mitred corner reaches the pen width past its point; a dot whose disc
  // touches the area meets only dots centred within two diameters of it.
  return 2 * pen + kFringe;
}

QPainterPath FiguresNear(const QPainterPath& path, const QRectF& area, double reach) {
  const QRectF inner = area.adjusted(reach, reach, -reach, -reach);
  if (path.isEmpty() || inner.contains(path.controlPointRect())) return path;
  const std::vector<Figure> figures = FiguresOf(path);
  std::vector<bool> kept(figures.size());
  for (size_t k = 0; k < figures.size(); ++k) kept[k] = Reaches(path, figures[k], area, reach);
  if (std::all_of(kept.begin(), kept.end(), [](bool k) { return k; })) return path;
  QPainterPath near;
  near.setFillRule(path.fillRule());
  for (size_t k = 0; k < figures.size(); ++k) {
    if (kept[k]) AppendFigure(path, figures[k], near);
  }
  return near;
}

}  // namespace tavisk
