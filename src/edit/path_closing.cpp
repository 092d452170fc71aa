#include "edit/path_closing.h"

#include <optional>
#include <vector>

#include "document/complex_chain.h"

namespace tavisk {

namespace {

bool SamePlace(const sPoint& p, const sPoint& q) {
  return p.X == q.X && p.Y == q.Y;
}

// The one figure of a curve or complex shape as its points; nothing for a
// complex shape of several figures or a curve whose count leaves a point
// over. A curve that wraps to point 0 gives its figure ending on a copy of
// point 0.
std::optional<ChainFigure> SingleFigure(const sShape& shape) {
  if (shape.Typ == kComplexShape) {
    std::vector<ChainFigure> figures = FiguresOfChain(shape.Pt);
    if (figures.size() != 1) return std::nullopt;
    return figures.front();
  }
  const size_t count = shape.Pt.size();
  if (count < 3 || count % 3 == 2) return std::nullopt;
  ChainFigure figure = shape.Pt;
  if (count % 3 == 0) figure.push_back(shape.Pt.front());
  return figure;
}

bool EndsOnStart(const std::vector<sPoint>& points, size_t minimum) {
  return points.size() >= minimum && SamePlace(points.front(), points.back());
}

void StoreFigure(sShape& shape, const ChainFigure& figure) {
  shape.Pt = shape.Typ == kComplexShape ? ChainOfFigures({figure}) : figure;
}

void OpenLine(sShape& shape) {
  // Three points at least: two segments, one of them left after opening.
  if (EndsOnStart(shape.Pt, 3)) shape.Pt.pop_back();
  shape.Close = 0;
}

void CloseLine(sShape& shape) {
  if (shape.Close != 0 || EndsOnStart(shape.Pt, 3) || shape.Pt.size() < 2) return;
  shape.Pt.push_back(shape.Pt.front());
  shape.Close = 1;
}

}  // namespace

void OpenPath(EditorContext& ctx) {
  sShape* shape = ctx.CurrentShapePtr();
  if (shape == nullptr) return;
  if (shape->Typ == kLine) return OpenLine(*shape);
  if (shape->Typ != kCurve && shape->Typ != kComplexShape) return;
  std::optional<ChainFigure> figure = SingleFigure(*shape);
  if (shape->Typ == kCurve) shape->Close = 0;
  // Seven points: two segments, one of them left after opening.
  if (!figure || !EndsOnStart(*figure, 7)) return;
  figure->resize(figure->size() - 3);
  StoreFigure(*shape, *figure);
}

void ClosePath(EditorContext& ctx) {
  sShape* shape = ctx.CurrentShapePtr();
  if (shape == nullptr) return;
  if (shape->Typ == kLine) return CloseLine(*shape);
  if (shape->Typ != kCurve && shape->Typ != kComplexShape) return;
  std::optional<ChainFigure> figure = SingleFigure(*shape);
  if (!figure || figure->size() < 4 || EndsOnStart(*figure, 4)) return;
  if (shape->Typ == kCurve && shape->Close != 0) return;
  AppendStraightSegment(*figure, figure->back(), figure->front());
  StoreFigure(*shape, *figure);
  if (shape->Typ == kCurve) shape->Close = 1;
}

}  // namespace tavisk
