#include "edit/flattened_outline.h"

#include <algorithm>
#include <cmath>

namespace tavisk {

namespace {

// Beyond this many pieces for one cubic the budget coarsens the cut anyway;
// the bound only keeps the count a number.
constexpr double kMostPieces = 1e9;
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

double OffChord(const Cubic& c) {
  return std::max(DistanceToSegment(c.p1, c.p0, c.p3), DistanceToSegment(c.p2, c.p0, c.p3));
}

// The larger second difference of the cubic's points.
double Bend(const Cubic& c) {
  const QPointF d1 = c.p0 - 2 * c.p1 + c.p2;
  const QPointF d2 = c.p1 - 2 * c.p2 + c.p3;
  return std::max(std::hypot(d1.x(), d1.y()), std::hypot(d2.x(), d2.y()));
}

// A cubic lies within three quarters of its controls' distance from its
// chord; cut into n equal parameter steps it strays from its chords by at
// most max |B''| / (8 n^2), and |B''| is at most six times its bend.
double Stray(const Cubic& c, size_t pieces) {
  const double offChord = 0.75 * OffChord(c);
  const double n = static_cast<double>(pieces);
  return std::min(offChord, 0.75 * Bend(c) / (n * n));
}

}  // namespace

size_t PiecesFor(const Cubic& c, double flatness) {
  if (0.75 * OffChord(c) <= flatness) return 1;
  const double pieces = std::ceil(std::sqrt(0.75 * Bend(c) / flatness));
  return static_cast<size_t>(std::clamp(pieces, 1.0, kMostPieces));
}

double FlatnessWithinBudget(const std::vector<CubicFigure>& figures, double finest, size_t budget) {
  double flatness = finest;
  size_t total = TotalPieces(figures, flatness);
  for (int round = 0; round < kCoarseningRounds && total > budget; ++round) {
    // Pieces go as one over the square root of the flatness.
    const double ratio =
        static_cast<double>(total) / static_cast<double>(std::max<size_t>(budget, 1));
    const double coarser = flatness * std::max(1.1, ratio * ratio);
    const size_t fewer = TotalPieces(figures, coarser);
    // Straight segments are one piece at any flatness: past them nothing
    // is gained.
    if (fewer == total) break;
    flatness = coarser;
    total = fewer;
  }
  return flatness;
}

double LargestStray(const std::vector<CubicFigure>& figures, double flatness) {
  double largest = 0;
  for (const CubicFigure& figure : figures) {
    for (const Cubic& c : figure) largest = std::max(largest, Stray(c, PiecesFor(c, flatness)));
  }
  return largest;
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
