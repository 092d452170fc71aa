#include "edit/outline_fit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "document/numeric.h"

namespace tavisk {

namespace {

// Points closer than this are one point.
constexpr double kSamePlace = 1e-7;
// A turn sharper than this is a corner whatever surrounds it.
constexpr double kSharpTurn = 35 * std::numbers::pi / 180;
// A turn past this that is also several times sharper than both its
// neighbours is a kink between two smooth runs (where two outlines cross at
// a shallow angle), not a bend of one curve.
constexpr double kKinkTurn = 10 * std::numbers::pi / 180;
constexpr double kKinkRatio = 3;
// The shorter chord that gives a run's end tangent reaches this many
// tolerances.
constexpr double kTangentReach = 4;
// Where a rounded curve is compared with the exact one.
constexpr int kRoundingSamples = 8;
// Two curves whose directions where they meet differ by less than this
// (the sine of the angle) meet smoothly.
constexpr double kSmoothJoin = 1e-6;

double Cross(QPointF a, QPointF b) {
  return a.x() * b.y() - a.y() * b.x();
}
double Dot(QPointF a, QPointF b) {
  return a.x() * b.x() + a.y() * b.y();
}

bool SamePlace(QPointF a, QPointF b) {
  return std::hypot(a.x() - b.x(), a.y() - b.y()) < kSamePlace;
}

// The polygon without repeated points and without its closing point.
std::vector<QPointF> DistinctPoints(const QPolygonF& polygon) {
  std::vector<QPointF> points;
  for (const QPointF& p : polygon) {
    if (points.empty() || !SamePlace(p, points.back())) points.push_back(p);
  }
  while (points.size() > 1 && SamePlace(points.front(), points.back())) points.pop_back();
  if (points.size() < 3) points.clear();
  return points;
}

// The angle the outline turns by at each point, 0 to pi.
std::vector<double> Turns(const std::vector<QPointF>& points) {
  const size_t n = points.size();
  std::vector<double> turns(n);
  for (size_t i = 0; i < n; ++i) {
    const QPointF in = points[i] - points[(i + n - 1) % n];
    const QPointF out = points[(i + 1) % n] - points[i];
    turns[i] = std::abs(std::atan2(Cross(in, out), Dot(in, out)));
  }
  return turns;
}

std::vector<size_t> Corners(const std::vector<double>& turns) {
  const size_t n = turns.size();
  std::vector<size_t> corners;
  for (size_t i = 0; i < n; ++i) {
    const double neighbours = std::max(turns[(i + n - 1) % n], turns[(i + 1) % n]);
    if (turns[i] > kSharpTurn || (turns[i] > kKinkTurn && turns[i] > kKinkRatio * neighbours)) {
      corners.push_back(i);
    }
  }
  return corners;
}

// Points from index first to index last going round, both included.
std::vector<QPointF> RunBetween(const std::vector<QPointF>& points, size_t first, size_t last) {
  const size_t n = points.size();
  std::vector<QPointF> run;
  for (size_t i = first;; i = (i + 1) % n) {
    run.push_back(points[i]);
    if (run.size() > 1 && i == last) break;
  }
  return run;
}

// The direction in which the run leaves its first point. The chord to a
// point turns from the tangent in proportion to its length, so two chords,
// one twice the other, give the tangent with that turn taken out; both reach
// past the short edges set operations leave next to a corner.
QPointF TangentAtStart(const std::vector<QPointF>& run, double tolerance) {
  auto reaching = [&](double length) {
    for (const QPointF& p : run) {
      if (std::hypot(p.x() - run[0].x(), p.y() - run[0].y()) >= length) return &p;
    }
    return static_cast<const QPointF*>(nullptr);
  };
  const QPointF* near = reaching(kTangentReach * tolerance);
  if (near == nullptr) return Unit(run.back() - run.front());
  const QPointF nearChord = *near - run.front();
  const QPointF* far = reaching(2 * std::hypot(nearChord.x(), nearChord.y()));
  if (far == nullptr) return Unit(nearChord);
  return Unit(2 * Unit(nearChord) - Unit(*far - run.front()));
}

void Append(std::vector<Cubic>& out, const std::vector<Cubic>& more) {
  out.insert(out.end(), more.begin(), more.end());
}

sPoint Rounded(QPointF p) {
  return {RoundInt(p.x()), RoundInt(p.y()), 0, 0};
}
QPointF AsPoint(const sPoint& p) {
  return {static_cast<double>(p.X), static_cast<double>(p.Y)};
}

// The four whole-unit points around p.
std::array<QPointF, 4> Nearby(QPointF p) {
  const double x0 = std::floor(p.x()), y0 = std::floor(p.y());
  return {QPointF(x0, y0), QPointF(x0 + 1, y0), QPointF(x0, y0 + 1), QPointF(x0 + 1, y0 + 1)};
}

// Points along the cubic from parameter from to parameter to.
std::vector<QPointF> Trace(const Cubic& c, double from, double to) {
  std::vector<QPointF> trace;
  for (int k = 0; k <= kRoundingSamples; ++k)
    trace.push_back(c.At(from + (to - from) * k / kRoundingSamples));
  return trace;
}

// Where two curves meet smoothly the anchor may slide along them: of the
// whole-unit points around it, the one nearest the curves. Elsewhere (a
// corner, a straight edge) the nearest whole-unit point.
sPoint RoundedAnchor(const Cubic& before, const Cubic& after) {
  const QPointF in = Unit(before.p3 - before.p2), out = Unit(after.p1 - after.p0);
  const bool smooth = !before.straight && !after.straight && Dot(in, out) > 0 &&
                      std::abs(Cross(in, out)) < kSmoothJoin;
  if (!smooth) return Rounded(after.p0);
  std::vector<QPointF> trace = Trace(before, 0.5, 1);
  const std::vector<QPointF> rest = Trace(after, 0, 0.5);
  trace.insert(trace.end(), rest.begin() + 1, rest.end());
  const std::array<QPointF, 4> candidates = Nearby(after.p0);
  return Rounded(*std::min_element(candidates.begin(), candidates.end(), [&](QPointF a, QPointF b) {
    return DistanceToPolyline(a, trace) < DistanceToPolyline(b, trace);
  }));
}

// The whole-unit controls next to the exact ones that, with the rounded
// anchors, keep the curve nearest the exact curve (measured across the curve,
// so sliding along it costs nothing).
std::pair<sPoint, sPoint> RoundedControls(const Cubic& exact, const sPoint& from,
                                          const sPoint& to) {
  const std::vector<QPointF> trace = Trace(exact, 0, 1);
  std::pair<QPointF, QPointF> best{exact.p1, exact.p2};
  double bestShift = INFINITY;
  for (const QPointF& c1 : Nearby(exact.p1)) {
    for (const QPointF& c2 : Nearby(exact.p2)) {
      const Cubic rounded{AsPoint(from), c1, c2, AsPoint(to)};
      double shift = 0;
      for (int k = 1; k < kRoundingSamples && shift < bestShift; ++k) {
        shift = std::max(
            shift, DistanceToPolyline(rounded.At(static_cast<double>(k) / kRoundingSamples), trace));
      }
      if (shift < bestShift) {
        bestShift = shift;
        best = {c1, c2};
      }
    }
  }
  return {Rounded(best.first), Rounded(best.second)};
}

// A closed figure started again at its anchor k.
ChainFigure StartedAt(const ChainFigure& figure, size_t k) {
  ChainFigure turned(figure.begin() + static_cast<std::ptrdiff_t>(k), figure.end());
  turned.insert(turned.end(), figure.begin() + 1,
                figure.begin() + static_cast<std::ptrdiff_t>(k) + 1);
  return turned;
}

// A figure that comes back to its first anchor before its end would be read
// as ending there: start it on an anchor that occurs once instead.
ChainFigure StartedOnUniqueAnchor(const ChainFigure& figure) {
  const size_t last = figure.size() - 1;
  auto occurrences = [&](size_t k) {
    size_t count = 0;
    for (size_t i = 0; i < last; i += 3) count += figure[i] == figure[k] ? 1 : 0;
    return count;
  };
  if (occurrences(0) == 1) return figure;
  for (size_t k = 3; k < last; k += 3) {
    if (occurrences(k) == 1) return StartedAt(figure, k);
  }
  return figure;
}

}  // namespace

std::vector<Cubic> FitClosedOutline(const QPolygonF& polygon, double tolerance) {
  const std::vector<QPointF> points = DistinctPoints(polygon);
  std::vector<Cubic> out;
  if (points.empty()) return out;
  const size_t n = points.size();
  const std::vector<double> turns = Turns(points);
  const std::vector<size_t> corners = Corners(turns);
  if (corners.empty()) {
    // One smooth loop: it starts and ends at its sharpest bend, along the
    // tangent there.
    const size_t start =
        static_cast<size_t>(std::max_element(turns.begin(), turns.end()) - turns.begin());
    const QPointF tangent = Unit(points[(start + 1) % n] - points[(start + n - 1) % n]);
    Append(out, FitCubics(RunBetween(points, start, start), tangent, -tangent, tolerance));
    return out;
  }
  for (size_t k = 0; k < corners.size(); ++k) {
    const std::vector<QPointF> run =
        RunBetween(points, corners[k], corners[(k + 1) % corners.size()]);
    const std::vector<QPointF> backwards(run.rbegin(), run.rend());
    Append(out, FitCubics(run, TangentAtStart(run, tolerance), TangentAtStart(backwards, tolerance),
                          tolerance));
  }
  return out;
}

ChainFigure RoundedFigure(const std::vector<Cubic>& outline, QPointF offset) {
  if (outline.empty()) return {};
  std::vector<Cubic> exact;
  for (const Cubic& c : outline) {
    exact.push_back({c.p0 + offset, c.p1 + offset, c.p2 + offset, c.p3 + offset, c.straight});
  }
  const size_t n = exact.size();
  std::vector<sPoint> anchors;
  for (size_t k = 0; k < n; ++k) anchors.push_back(RoundedAnchor(exact[(k + n - 1) % n], exact[k]));
  anchors.push_back(anchors.front());
  ChainFigure figure{anchors.front()};
  for (size_t k = 0; k < n; ++k) {
    const sPoint from = figure.back();
    const sPoint to = anchors[k + 1];
    if (exact[k].straight) {
      if (from != to) AppendStraightSegment(figure, from, to);
      continue;
    }
    const auto [c1, c2] = RoundedControls(exact[k], from, to);
    figure.insert(figure.end(), {c1, c2, to});
  }
  const bool collapsed = std::all_of(figure.begin(), figure.end(),
                                     [&](const sPoint& p) { return p == figure.front(); });
  if (figure.size() < 4 || collapsed) return {};
  return StartedOnUniqueAnchor(figure);
}

}  // namespace tavisk
