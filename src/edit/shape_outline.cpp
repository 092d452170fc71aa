#include "edit/shape_outline.h"

#include "edit/point_arithmetic.h"

namespace tavisk {

namespace {

// The handle length of a quarter circle drawn as one cubic.
constexpr double kArcHandle = 0.5522847498307936;

ChainFigure BoxFigure(const sShape& shape) {
  const sPoint c{shape.Pt.front().X, shape.Pt.front().Y};
  const sPoint corners[] = {Offset(c, shape.W, 0), Offset(c, shape.W, shape.H),
                            Offset(c, 0, shape.H), c};
  ChainFigure figure{c};
  sPoint from = figure.front();
  for (const sPoint& to : corners) {
    AppendStraightSegment(figure, from, to);
    from = to;
  }
  return figure;
}

ChainFigure EllipseFigure(const sShape& shape) {
  const double cx = static_cast<double>(shape.Pt.front().X);
  const double cy = static_cast<double>(shape.Pt.front().Y);
  const double rx = shape.W;
  const double ry = shape.H;
  auto at = [&](double x, double y) { return sPoint{RoundClamped(cx + x), RoundClamped(cy + y)}; };
  const double hx = rx * kArcHandle;
  const double hy = ry * kArcHandle;
  return {at(rx, 0),  at(rx, hy),  at(hx, ry),  at(0, ry),  at(-hx, ry), at(-rx, hy), at(-rx, 0),
          at(-rx, -hy), at(-hx, -ry), at(0, -ry), at(hx, -ry), at(rx, -hy), at(rx, 0)};
}

ChainFigure LineFigure(const sShape& shape) {
  ChainFigure figure{shape.Pt.front()};
  for (size_t i = 1; i < shape.Pt.size(); ++i) {
    AppendStraightSegment(figure, shape.Pt[i - 1], shape.Pt[i]);
  }
  if (shape.Close != 0 && figure.size() > 1) {
    AppendStraightSegment(figure, shape.Pt.back(), shape.Pt.front());
  }
  return figure;
}

// The start anchor and the whole (control, control, anchor) triples. With
// 3k points the last triple is short of its anchor and ends on point 0, as
// the curve is drawn.
ChainFigure CurveFigure(const sShape& shape) {
  const size_t count = shape.Pt.size();
  const size_t whole = count % 3 == 0 ? count : count - (count - 1) % 3;
  ChainFigure figure(shape.Pt.begin(), shape.Pt.begin() + static_cast<std::ptrdiff_t>(whole));
  if (count % 3 == 0) figure.push_back(shape.Pt.front());
  const sPoint end = figure.back();
  if (shape.Close != 0 && figure.size() > 1 &&
      (end.X != figure.front().X || end.Y != figure.front().Y)) {
    AppendStraightSegment(figure, end, figure.front());
  }
  return figure;
}

}  // namespace

std::vector<ChainFigure> ShapeAsFigures(const sShape& shape) {
  std::vector<ChainFigure> figures;
  switch (shape.Typ) {
    case kComplexShape:
      figures = FiguresOfChain(shape.Pt);
      break;
    case kBox:
      figures.push_back(BoxFigure(shape));
      break;
    case kCircle:
      figures.push_back(EllipseFigure(shape));
      break;
    case kLine:
      figures.push_back(LineFigure(shape));
      break;
    case kCurve:
      figures.push_back(CurveFigure(shape));
      break;
    default:
      break;
  }
  std::erase_if(figures, [](const ChainFigure& f) { return f.size() < 4; });
  for (ChainFigure& f : figures) {
    for (sPoint& p : f) p.StartX = p.StartY = 0;
  }
  return figures;
}

}  // namespace tavisk
