#include "edit/flattened_outline.h"

#include <algorithm>
#include <cmath>

namespace tavisk {

namespace {

// A cap on the pieces of one cubic, whatever its size.
constexpr double kMostPieces = 4096;
// Coarsening rounds: each brings the count near the budget; rounding up to
// whole pieces can leave it above, and then the flatness is raised again.
constexpr int kCoarseningRounds = 8;

size_t TotalPieces(const std::vector<CubicFigure>& figures, double flatness) {
  size_t total = 0;
  for (const CubicFigure& figure : figures) {
    for (const Cubic& c : figure) total += PiecesFor(c, flatness);
  }
  return total;
}

}  // namespace

// A cubic cut into n equal parameter steps strays from its chords by at most
// max |B''| / (8 n^2), and |B''| is at most six times the larger second
// difference of its points.
size_t PiecesFor(const Cubic& c, double flatness) {
  const double onChord = flatness * 4 / 3;
  if (DistanceToSegment(c.p1, c.p0, c.p3) <= onChord &&
      DistanceToSegment(c.p2, c.p0, c.p3) <= onChord) {
    return 1;
  }
  const QPointF d1 = c.p0 - 2 * c.p1 + c.p2;
  const QPointF d2 = c.p1 - 2 * c.p2 + c.p3;
  const double bend = std::max(std::hypot(d1.x(), d1.y()), std::hypot(d2.x(), d2.y()));
  const double pieces = std::ceil(std::sqrt(0.75 * bend / flatness));
  return static_cast<size_t>(std::clamp(pieces, 1.0, kMostPieces));
}

double FlatnessWithinBudget(const std::vector<CubicFigure>& figures, double finest, size_t budget) {
  double flatness = finest;
  for (int round = 0; round < kCoarseningRounds; ++round) {
    const double total = static_cast<double>(TotalPieces(figures, flatness));
    if (total <= static_cast<double>(budget)) break;
    // Pieces go as one over the square root of the flatness.
    const double ratio = total / static_cast<double>(std::max<size_t>(budget, 1));
    flatness *= std::max(1.1, ratio * ratio);
  }
  return flatness;
}

QPainterPath FlattenedPath(const std::vector<CubicFigure>& figures, double flatness) {
  QPainterPath path;
  path.setFillRule(Qt::OddEvenFill);
  for (const CubicFigure& figure : figures) {
    if (figure.empty()) continue;
    path.moveTo(figure.front().p0);
    for (const Cubic& c : figure) {
      const size_t pieces = PiecesFor(c, flatness);
      for (size_t k = 1; k <= pieces; ++k) {
        path.lineTo(c.At(static_cast<double>(k) / static_cast<double>(pieces)));
      }
    }
    path.closeSubpath();
  }
  return path;
}

}  // namespace tavisk
