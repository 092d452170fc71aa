#include "edit/point_insertion.h"

#include <optional>
#include <vector>

#include "document/complex_chain.h"
#include "edit/point_arithmetic.h"

namespace tavisk {

namespace {

// One drawn segment by the indices of its points. A straight one (a line's
// segment, a curve's closing line) has no control points.
struct Segment {
  int64_t start;
  int64_t a;
  int64_t b;
  int64_t end;
  int64_t figure;
  bool straight() const { return a < 0; }
};

std::vector<Segment> LineSegments(const sShape& shape) {
  std::vector<Segment> segments;
  const int64_t last = LastIndex(shape.Pt);
  for (int64_t i = 0; i < last; ++i) segments.push_back({i, -1, -1, i + 1, 0});
  if (shape.Close != 0 && last > 0) segments.push_back({last, -1, -1, 0, 0});
  return segments;
}

// As the renderer draws a curve: cubic triples from point 1, the last one
// ending on point 0 when the count runs out, then a straight closing line.
std::vector<Segment> CurveSegments(const sShape& shape) {
  std::vector<Segment> segments;
  const int64_t last = LastIndex(shape.Pt);
  int64_t end = 0;
  for (int64_t i = 1; i <= last - 1; i += 3) {
    end = i + 2 > last ? 0 : i + 2;
    segments.push_back({i - 1, i, i + 1, end, 0});
  }
  if (shape.Close != 0 && end != 0) segments.push_back({end, -1, -1, 0, 0});
  return segments;
}

std::vector<Segment> ComplexSegments(const sShape& shape) {
  std::vector<Segment> segments;
  int64_t current = 0;
  int64_t figure = -1;
  WalkComplexChain(
      shape.Pt,
      [&](int64_t start) {
        current = start;
        ++figure;
      },
      [&](const ChainSegment& s) {
        segments.push_back({current, s.a, s.b, s.c, figure});
        current = s.c;
      });
  return segments;
}

std::vector<Segment> SegmentsOf(const sShape& shape) {
  switch (shape.Typ) {
    case kLine:
      return LineSegments(shape);
    case kCurve:
      return CurveSegments(shape);
    case kComplexShape:
      return ComplexSegments(shape);
    default:
      return {};
  }
}

// The segment that ends at (before) or starts at (after) point k, or that k
// shapes as a control point. A closed figure also wraps at a first anchor
// whose closing copy ends the figure.
std::optional<Segment> SegmentAt(const sShape& shape, int64_t k, bool before) {
  const std::vector<Segment> segments = SegmentsOf(shape);
  for (const Segment& s : segments) {
    if (s.a == k || s.b == k) return s;
  }
  for (const Segment& s : segments) {
    if ((before ? s.end : s.start) == k) return s;
  }
  for (const Segment& s : segments) {
    if ((before ? s.start : s.end) != k) continue;
    // k is where its figure begins or ends; the segment on its other side is
    // the figure's other end, when the figure closes on k.
    const Segment* first = nullptr;
    const Segment* last = nullptr;
    for (const Segment& t : segments) {
      if (t.figure != s.figure) continue;
      if (first == nullptr) first = &t;
      last = &t;
    }
    if (SamePlace(shape.Pt[static_cast<size_t>(first->start)],
                  shape.Pt[static_cast<size_t>(last->end)])) {
      return before ? *last : *first;
    }
    return std::nullopt;
  }
  return std::nullopt;
}

// Replaces the two controls of cubic s by the five points that split it at
// its middle; returns the index of the new anchor.
std::optional<int64_t> SplitCubic(std::vector<sPoint>& pt, const Segment& s) {
  if (s.a != s.start + 1 || s.b != s.a + 1) return std::nullopt;
  const sPoint p0 = pt[static_cast<size_t>(s.start)];
  const sPoint p1 = pt[static_cast<size_t>(s.a)];
  const sPoint p2 = pt[static_cast<size_t>(s.b)];
  const sPoint p3 = pt[static_cast<size_t>(s.end)];
  pt[static_cast<size_t>(s.a)] = WeightedMean({{1, p0}, {1, p1}});
  pt[static_cast<size_t>(s.b)] = WeightedMean({{1, p0}, {2, p1}, {1, p2}});
  const sPoint inserted[] = {WeightedMean({{1, p0}, {3, p1}, {3, p2}, {1, p3}}),
                             WeightedMean({{1, p1}, {2, p2}, {1, p3}}),
                             WeightedMean({{1, p2}, {1, p3}})};
  pt.insert(pt.begin() + s.b + 1, std::begin(inserted), std::end(inserted));
  return s.b + 1;
}

// A straight segment gets its midpoint: as a polyline point on a line, as
// the end of a straight cubic (controls on the segment) on a curve.
int64_t SplitStraight(std::vector<sPoint>& pt, const Segment& s, bool polyline) {
  const sPoint from = pt[static_cast<size_t>(s.start)];
  const sPoint middle = WeightedMean({{1, from}, {1, pt[static_cast<size_t>(s.end)]}});
  ChainFigure inserted;
  if (polyline) {
    inserted.push_back(middle);
  } else {
    AppendStraightSegment(inserted, from, middle);
  }
  pt.insert(pt.begin() + s.start + 1, inserted.begin(), inserted.end());
  return s.start + static_cast<int64_t>(inserted.size());
}

void AddPoint(EditorContext& ctx, bool before) {
  sShape* shape = ctx.CurrentShapePtr();
  if (shape == nullptr || !ValidIndex(shape->Pt, ctx.CurrentPoint)) return;
  const std::optional<Segment> segment = SegmentAt(*shape, ctx.CurrentPoint, before);
  if (!segment) return;
  std::optional<int64_t> added;
  if (segment->straight()) {
    added = SplitStraight(shape->Pt, *segment, shape->Typ == kLine);
  } else {
    added = SplitCubic(shape->Pt, *segment);
  }
  if (added) ctx.CurrentPoint = *added;
}

}  // namespace

void AddPointBefore(EditorContext& ctx) {
  AddPoint(ctx, true);
}

void AddPointAfter(EditorContext& ctx) {
  AddPoint(ctx, false);
}

}  // namespace tavisk
