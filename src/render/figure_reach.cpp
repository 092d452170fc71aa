#include "render/figure_reach.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "render/paint_pen.h"
#include "render/path_figures.h"

namespace tavisk {

namespace {

// The control points' extent, on each axis.
struct Extent {
  double low[2];
  double high[2];
};

Extent ExtentOf(const QPainterPath& path, const PathFigure& figure) {
  const QPainterPath::Element start = path.elementAt(figure.first);
  Extent extent{{start.x, start.y}, {start.x, start.y}};
  for (int i = figure.first + 1; i < figure.end; ++i) {
    const QPainterPath::Element e = path.elementAt(i);
    extent.low[0] = std::min(extent.low[0], e.x);
    extent.high[0] = std::max(extent.high[0], e.x);
    extent.low[1] = std::min(extent.low[1], e.y);
    extent.high[1] = std::max(extent.high[1], e.y);
  }
  return extent;
}

bool Reaches(const QPainterPath& path, const PathFigure& figure, const QRectF& area, double reach) {
  const Extent e = ExtentOf(path, figure);
  return e.high[0] + reach > area.left() && e.low[0] - reach < area.right() &&
         e.high[1] + reach > area.top() && e.low[1] - reach < area.bottom();
}

// Splits group (figure numbers) where no figure crosses a gap wider than
// gap on axis; each part keeps the figures' order.
std::vector<std::vector<size_t>> SplitAlong(const std::vector<Extent>& extents,
                                            const std::vector<size_t>& group, int axis,
                                            double gap) {
  std::vector<size_t> sorted = group;
  std::sort(sorted.begin(), sorted.end(), [&](size_t a, size_t b) {
    return extents[a].low[axis] < extents[b].low[axis];
  });
  std::vector<std::vector<size_t>> parts;
  double reached = 0;
  for (size_t k : sorted) {
    if (parts.empty() || extents[k].low[axis] > reached + gap) {
      parts.emplace_back();
      reached = extents[k].high[axis];
    }
    parts.back().push_back(k);
    reached = std::max(reached, extents[k].high[axis]);
  }
  for (std::vector<size_t>& part : parts) std::sort(part.begin(), part.end());
  return parts;
}

}  // namespace

double PaintReach(PaintKind kind, double width, double stretch) {
  constexpr double kFringe = 2;
  if (kind == PaintKind::kFill || kind == PaintKind::kImage) return kFringe;
  const double pen = PenWidth(width) * stretch;
  // A mitred corner reaches twice the pen width past its point; a dot whose disc
  // touches the area meets only dots centred within two diameters of it.
  return 2 * pen + kFringe;
}

QPainterPath FiguresNear(const QPainterPath& path, const QRectF& area, double reach) {
  const QRectF inner = area.adjusted(reach, reach, -reach, -reach);
  if (path.isEmpty() || inner.contains(path.controlPointRect())) return path;
  const std::vector<PathFigure> figures = FiguresOf(path);
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

std::vector<QPainterPath> FarApartParts(const QPainterPath& path, double gap) {
  const std::vector<PathFigure> figures = FiguresOf(path);
  if (figures.size() < 2) return {path};
  std::vector<Extent> extents;
  for (const PathFigure& figure : figures) extents.push_back(ExtentOf(path, figure));
  std::vector<size_t> all(figures.size());
  for (size_t k = 0; k < all.size(); ++k) all[k] = k;
  std::vector<std::vector<size_t>> groups;
  for (const std::vector<size_t>& column : SplitAlong(extents, all, 0, gap)) {
    for (std::vector<size_t>& part : SplitAlong(extents, column, 1, gap)) {
      groups.push_back(std::move(part));
    }
  }
  if (groups.size() == 1) return {path};
  std::vector<QPainterPath> parts;
  for (const std::vector<size_t>& group : groups) {
    QPainterPath part;
    part.setFillRule(path.fillRule());
    for (size_t k : group) AppendFigure(path, figures[k], part);
    parts.push_back(std::move(part));
  }
  return parts;
}

}  // namespace tavisk
