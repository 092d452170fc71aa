#include "edit/shape_conversion.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <vector>

#include "edit/point_arithmetic.h"
#include "edit/shape_outline.h"

namespace tavisk {

namespace {

// Sides of the polygon that stands for an ellipse: enough that no side
// strays more than kPolygonSag from the curve.
constexpr double kPolygonSag = 0.25;
constexpr int64_t kMinPolygonSides = 8;
constexpr int64_t kMaxPolygonSides = 4096;

int64_t PolygonSides(double radius) {
  if (!(radius > kPolygonSag)) return kMinPolygonSides;
  const double sides = std::numbers::pi / std::acos(1.0 - kPolygonSag / radius);
  // A multiple of four keeps the polygon symmetric on both axes.
  const int64_t wanted = 4 * static_cast<int64_t>(std::ceil(std::min(sides, 1e6) / 4));
  return std::clamp(wanted, kMinPolygonSides, kMaxPolygonSides);
}

// From the rightmost point round to a copy of it, as the ellipse is drawn.
std::vector<sPoint> EllipsePolygon(const sShape& shape) {
  const double cx = static_cast<double>(shape.Pt.front().X);
  const double cy = static_cast<double>(shape.Pt.front().Y);
  const int64_t sides = PolygonSides(
      std::max(std::abs(static_cast<double>(shape.W)), std::abs(static_cast<double>(shape.H))));
  std::vector<sPoint> points;
  for (int64_t i = 0; i <= sides; ++i) {
    const double angle =
        2 * std::numbers::pi * static_cast<double>(i % sides) / static_cast<double>(sides);
    points.push_back({RoundClamped(cx + shape.W * std::cos(angle)),
                      RoundClamped(cy + shape.H * std::sin(angle)), 0, 0});
  }
  return points;
}

std::vector<sPoint> Anchors(const ChainFigure& figure) {
  std::vector<sPoint> anchors;
  for (size_t i = 0; i < figure.size(); i += 3) anchors.push_back(figure[i]);
  return anchors;
}

// The one figure of the shape's outline; nothing for none or several.
std::optional<ChainFigure> OnlyFigure(const sShape& shape) {
  std::vector<ChainFigure> figures = ShapeAsFigures(shape);
  if (figures.size() != 1) return std::nullopt;
  return figures.front();
}

bool Convertible(const sShape* shape, uint8_t target) {
  if (shape == nullptr || shape->Typ == target) return false;
  switch (shape->Typ) {
    case kComplexShape:
    case kBox:
    case kCircle:
    case kLine:
    case kCurve:
      return true;
    default:
      return false;
  }
}

void Become(EditorContext& ctx, sShape& shape, uint8_t typ, std::vector<sPoint> points) {
  shape.Typ = typ;
  shape.Pt = std::move(points);
  ctx.CurrentPoint = std::min(ctx.CurrentPoint, LastIndex(shape.Pt));
}

// A line or a curve holds one figure, closed by its flag.
void ConvertToOneFigure(EditorContext& ctx, uint8_t typ) {
  sShape* shape = ctx.CurrentShapePtr();
  if (!Convertible(shape, typ)) return;
  const std::optional<ChainFigure> figure = OnlyFigure(*shape);
  if (!figure) return;
  shape->Close = FigureCloses(*figure) ? 1 : 0;
  if (typ == kCurve) return Become(ctx, *shape, typ, *figure);
  Become(ctx, *shape, typ, shape->Typ == kCircle ? EllipsePolygon(*shape) : Anchors(*figure));
}

}  // namespace

void ConvertToLine(EditorContext& ctx) { ConvertToOneFigure(ctx, kLine); }

void ConvertToCurve(EditorContext& ctx) { ConvertToOneFigure(ctx, kCurve); }

void ConvertToComplex(EditorContext& ctx) {
  sShape* shape = ctx.CurrentShapePtr();
  if (!Convertible(shape, kComplexShape)) return;
  std::vector<sPoint> chain = ChainOfFigures(ShapeAsFigures(*shape));
  if (chain.empty()) return;
  Become(ctx, *shape, kComplexShape, std::move(chain));
}

}  // namespace tavisk
