// How the points of a complex shape make figures.
//
// The points run anchor, control, control, anchor ... A chain of 3k points
// closes: its last segment wraps back to point 0. A chain of 3k + 1 points
// (k >= 1) is open and stops on its last anchor.
//
// One chain may hold several figures (the result of joining shapes or of a
// boolean operation, whose holes are figures of their own). A figure ends
// when a segment brings it back exactly onto its first anchor; the segment
// after it, when its control points sit exactly on its two anchors, is a jump
// to the next figure's first anchor and draws nothing. A chain's last jump
// leads back to point 0 and is its wrapping segment.
#pragma once

#include <cstdint>
#include <vector>

#include "document/scene.h"

namespace tavisk {

// Indices of the points of the segment that starts at anchor i; an index
// past last wraps to 0.
struct ChainSegment {
  int64_t a, b, c;
};
ChainSegment ComplexSegment(int64_t i, int64_t last);

// A chain of 3k + 1 points, k >= 1: drawn open.
bool ComplexChainIsOpen(const std::vector<sPoint>& points);

// Walks the chain: move(index) starts each figure at its first anchor,
// curve(segment) adds each drawn segment in order.
template <typename Move, typename Curve>
void WalkComplexChain(const std::vector<sPoint>& points, Move&& move, Curve&& curve);

// A figure as its own points: its first anchor, then (control, control,
// anchor) per segment; a closed figure ends on a copy of its first anchor.
using ChainFigure = std::vector<sPoint>;

// The figures the chain draws, in order.
std::vector<ChainFigure> FiguresOfChain(const std::vector<sPoint>& points);

// The chain that draws these figures: one closed figure gives 3k points, one
// open figure 3k + 1 points; several figures are joined by jumps, and a
// figure among several that does not end on its first anchor is closed by a
// straight segment. Figures with no segment are left out.
std::vector<sPoint> ChainOfFigures(const std::vector<ChainFigure>& figures);

// Two points at the same place (their drag starts aside).
inline bool SamePlace(const sPoint& p, const sPoint& q) { return p.X == q.X && p.Y == q.Y; }

// A figure of at least one segment that ends on its first anchor.
bool FigureCloses(const ChainFigure& figure);

// Appends a straight segment from p to q to a figure: its controls a third
// of the way in from each end, where a user can take them to bend it. p and
// q are copies: they are often points of the figure itself, which moves
// when it grows.
void AppendStraightSegment(ChainFigure& figure, sPoint p, sPoint q);

// --- implementation of the walk ---

template <typename Move, typename Curve>
void WalkComplexChain(const std::vector<sPoint>& points, Move&& move, Curve&& curve) {
  if (points.empty()) return;
  const int64_t last = LastIndex(points);
  const bool open = ComplexChainIsOpen(points);
  auto at = [&points](int64_t i) -> const sPoint& { return points[static_cast<size_t>(i)]; };
  int64_t figureStart = 0;
  int64_t figureSegments = 0;
  move(int64_t{0});
  for (int64_t i = 0; i <= last; i += 3) {
    if (open && i == last) break;
    const ChainSegment s = ComplexSegment(i, last);
    const bool jump = figureSegments > 0 && SamePlace(at(i), at(figureStart)) &&
                      SamePlace(at(s.a), at(i)) && SamePlace(at(s.b), at(s.c));
    if (jump) {
      if (s.c == 0) break;
      figureStart = s.c;
      figureSegments = 0;
      move(s.c);
      continue;
    }
    curve(s);
    ++figureSegments;
  }
}

}  // namespace tavisk
