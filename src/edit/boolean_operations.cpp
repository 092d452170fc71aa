#include "edit/boolean_operations.h"

#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <vector>

#include "edit/flattened_outline.h"
#include "edit/outline_fit.h"
#include "edit/shape_outline.h"

namespace tavisk {

namespace {

// Curves are cut into edges within this many units of them...
constexpr double kFinestFlatness = 0.05;
// ...unless that makes more edges than the set operations handle quickly.
constexpr size_t kEdgeBudget = 20000;

struct Operand {
  size_t index;
  std::vector<ChainFigure> figures;  // in the first operand's units
};

bool WithinLimit(const sShape& shape) {
  return std::all_of(shape.Pt.begin(), shape.Pt.end(), [](const sPoint& p) {
    return p.X >= -kBooleanCoordinateLimit && p.X <= kBooleanCoordinateLimit &&
           p.Y >= -kBooleanCoordinateLimit && p.Y <= kBooleanCoordinateLimit;
  });
}

// The chosen shapes that fill an area, in drawing order, with their figures
// moved into the units of the first of them.
std::vector<Operand> Operands(const EditorContext& ctx, const sObject& object) {
  std::vector<Operand> operands;
  for (size_t i = 0; i < object.Shape.size(); ++i) {
    const sShape& shape = object.Shape[i];
    const bool chosen = static_cast<int64_t>(i) == ctx.CurrentShape || shape.Selected != 0;
    if (!chosen || shape.Hide != 0 || shape.Locked != 0 || !WithinLimit(shape)) continue;
    std::vector<ChainFigure> figures = ShapeAsFigures(shape);
    if (figures.empty()) continue;
    operands.push_back({i, std::move(figures)});
  }
  if (operands.empty()) return operands;
  const sShape& first = object.Shape[operands.front().index];
  for (Operand& operand : operands) {
    const sShape& shape = object.Shape[operand.index];
    for (ChainFigure& figure : operand.figures) {
      for (sPoint& p : figure) {
        p.X += shape.X - first.X;
        p.Y += shape.Y - first.Y;
      }
    }
  }
  return operands;
}

QPointF AsPoint(const sPoint& p) {
  return {static_cast<double>(p.X), static_cast<double>(p.Y)};
}

// The middle of all the operands' points: the set operations work about it,
// where reals are most precise.
QPointF Middle(const std::vector<Operand>& operands) {
  QRectF bounds(AsPoint(operands.front().figures.front().front()), QSizeF(0, 0));
  for (const Operand& operand : operands) {
    for (const ChainFigure& figure : operand.figures) {
      for (const sPoint& p : figure) bounds |= QRectF(AsPoint(p), QSizeF(0, 0));
    }
  }
  return {std::round(bounds.center().x()), std::round(bounds.center().y())};
}

std::vector<CubicFigure> AsCubics(const std::vector<ChainFigure>& figures, QPointF middle) {
  std::vector<CubicFigure> out;
  for (const ChainFigure& figure : figures) {
    CubicFigure& cubics = out.emplace_back();
    for (size_t i = 0; i + 3 < figure.size(); i += 3) {
      cubics.push_back({AsPoint(figure[i]) - middle, AsPoint(figure[i + 1]) - middle,
                        AsPoint(figure[i + 2]) - middle, AsPoint(figure[i + 3]) - middle});
    }
  }
  return out;
}

QPainterPath Combined(const std::vector<QPainterPath>& paths, size_t lead, BooleanOp op) {
  QPainterPath result = paths[lead];
  for (size_t i = 0; i < paths.size(); ++i) {
    if (i == lead) continue;
    switch (op) {
      case BooleanOp::Union:
        result = result.united(paths[i]);
        break;
      case BooleanOp::Intersection:
        result = result.intersected(paths[i]);
        break;
      case BooleanOp::Difference:
        result = result.subtracted(paths[i]);
        break;
      case BooleanOp::Exclusion:
        result = result.united(paths[i]).subtracted(result.intersected(paths[i]));
        break;
    }
  }
  return result;
}

double Area(const QPolygonF& polygon) {
  double twice = 0;
  for (qsizetype i = 0; i < polygon.size(); ++i) {
    const QPointF& a = polygon[i];
    const QPointF& b = polygon[(i + 1) % polygon.size()];
    twice += a.x() * b.y() - b.x() * a.y();
  }
  return std::abs(twice) / 2;
}

// The result's outlines as figures in the first operand's units; slivers
// thinner than the tolerance allows to see are left out. Each outline is
// measured and fitted from its own first point, so that outlines far from
// the middle keep their precision.
std::vector<ChainFigure> FittedFigures(const QPainterPath& result, double tolerance,
                                       QPointF middle) {
  std::vector<ChainFigure> figures;
  for (QPolygonF polygon : result.toSubpathPolygons()) {
    if (polygon.isEmpty()) continue;
    const QPointF start = polygon.first();
    polygon.translate(-start);
    if (Area(polygon) < tolerance * tolerance) continue;
    ChainFigure figure = RoundedFigure(FitClosedOutline(polygon, tolerance), middle + start);
    if (!figure.empty()) figures.push_back(std::move(figure));
  }
  return figures;
}

// The operands combined, as figures in the first operand's units. lead is
// the operand the others are taken from in a difference.
std::vector<ChainFigure> CombinedFigures(const std::vector<Operand>& operands, size_t lead,
                                         BooleanOp op) {
  const QPointF middle = Middle(operands);
  std::vector<std::vector<CubicFigure>> cubics;
  std::vector<CubicFigure> all;
  for (const Operand& operand : operands) {
    cubics.push_back(AsCubics(operand.figures, middle));
    all.insert(all.end(), cubics.back().begin(), cubics.back().end());
  }
  const double flatness = FlatnessWithinBudget(all, kFinestFlatness, kEdgeBudget);
  std::vector<QPainterPath> paths;
  for (const std::vector<CubicFigure>& figures : cubics) {
    paths.push_back(FlattenedPath(figures, flatness));
  }
  // A coarse cut may lie further from the outline than the usual tolerance:
  // fitting tighter than the cut would only trace its chords.
  const double tolerance = std::max(kOutlineTolerance, 2 * LargestStray(all, flatness));
  return FittedFigures(Combined(paths, lead, op), tolerance, middle);
}

}  // namespace

bool ApplyBooleanOp(EditorContext& ctx, BooleanOp op) {
  sObject* object = ctx.CurrentObjectPtr();
  if (object == nullptr || object->HasShape == 0) return false;
  const std::vector<Operand> operands = Operands(ctx, *object);
  if (operands.size() < 2) return false;
  size_t lead = 0;
  for (size_t k = 0; k < operands.size() && op == BooleanOp::Difference; ++k) {
    if (static_cast<int64_t>(operands[k].index) == ctx.CurrentShape) lead = k;
  }
  const std::vector<ChainFigure> figures = CombinedFigures(operands, lead, op);
  if (figures.empty()) return false;

  std::vector<sShape>& shapes = object->Shape;
  const size_t first = operands.front().index;
  sShape& merged = shapes[first];
  merged.Typ = kComplexShape;
  merged.Pt = ChainOfFigures(figures);
  merged.Close = 0;
  merged.Selected = 1;
  for (size_t k = operands.size(); k-- > 1;) {
    shapes.erase(shapes.begin() + static_cast<std::ptrdiff_t>(operands[k].index));
  }
  ctx.CurrentShape = static_cast<int64_t>(first);
  ctx.CurrentPoint = 0;
  return true;
}

}  // namespace tavisk
