#include "edit/path_closing.h"

#include <optional>
#include <vector>

#include "document/complex_chain.h"
#include "edit/shape_outline.h"

namespace tavisk {

namespace {

// The one figure of a curve or complex shape, a curve's closing line
// included; nothing for a complex shape of several figures.
std::optional<ChainFigure> SingleFigure(const sShape& shape) {
  std::vector<ChainFigure> figures = ShapeAsFigures(shape);
  if (figures.size() != 1) return std::nullopt;
  return figures.front();
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
  AppendStraightSegment(*figure, figure->back(), figure->front());
  StoreFigure(*shape, *figure);
  if (shape->Typ == kCurve) shape->Close = 1;
}

}  // namespace tavisk
