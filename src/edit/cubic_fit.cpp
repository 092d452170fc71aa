#include "edit/cubic_fit.h"

#include <algorithm>
#include <cmath>

namespace tavisk {

namespace {

// Refining the parameters stops after this many steps, or when a step takes
// off less than a hundredth of the error.
constexpr int kNewtonSteps = 8;
constexpr double kWorthwhileGain = 0.99;
// A split within this fraction of a run's points from either end halves it.
constexpr size_t kEndShare = 5;
// Curves are joined again only over this many points, so that rejoining
// stays quick on long noisy runs.
constexpr size_t kLongestJoin = 4096;

double Dot(QPointF a, QPointF b) {
  return a.x() * b.x() + a.y() * b.y();
}
double Length(QPointF v) {
  return std::hypot(v.x(), v.y());
}

QPointF Derivative(const Cubic& c, double t) {
  const double s = 1 - t;
  return 3 * s * s * (c.p1 - c.p0) + 6 * s * t * (c.p2 - c.p1) + 3 * t * t * (c.p3 - c.p2);
}

QPointF SecondDerivative(const Cubic& c, double t) {
  return 6 * (1 - t) * (c.p2 - 2 * c.p1 + c.p0) + 6 * t * (c.p3 - 2 * c.p2 + c.p1);
}

Cubic StraightCubic(QPointF from, QPointF to) {
  const QPointF third = (to - from) / 3;
  return {from, from + third, to - third, to, true};
}

bool WithinChord(std::span<const QPointF> run, double tolerance) {
  return std::all_of(run.begin(), run.end(), [&](QPointF p) {
    return DistanceToSegment(p, run.front(), run.back()) <= tolerance;
  });
}

// Parameters proportional to the distance along the run.
std::vector<double> ChordLengthParameters(std::span<const QPointF> run) {
  std::vector<double> u(run.size(), 0.0);
  for (size_t i = 1; i < run.size(); ++i) u[i] = u[i - 1] + Length(run[i] - run[i - 1]);
  const double total = u.back();
  for (double& value : u) value = total > 0 ? value / total : 0;
  u.back() = 1;
  return u;
}

// The cubic with the given end tangents whose control distances minimise the
// squared distances to the points at their parameters; a degenerate system
// falls back to controls a third of the chord away.
Cubic LeastSquaresCubic(std::span<const QPointF> run, const std::vector<double>& u, QPointF t1,
                        QPointF t2) {
  const QPointF p0 = run.front();
  const QPointF p3 = run.back();
  double c00 = 0, c01 = 0, c11 = 0, x0 = 0, x1 = 0;
  for (size_t i = 0; i < run.size(); ++i) {
    const double t = u[i];
    const double s = 1 - t;
    const double b0 = s * s * s, b1 = 3 * s * s * t, b2 = 3 * s * t * t, b3 = t * t * t;
    const QPointF a1 = t1 * b1;
    const QPointF a2 = t2 * b2;
    c00 += Dot(a1, a1);
    c01 += Dot(a1, a2);
    c11 += Dot(a2, a2);
    const QPointF rest = run[i] - (p0 * (b0 + b1) + p3 * (b2 + b3));
    x0 += Dot(a1, rest);
    x1 += Dot(a2, rest);
  }
  const double det = c00 * c11 - c01 * c01;
  const double chord = Length(p3 - p0);
  double alpha1 = 0, alpha2 = 0;
  if (std::abs(det) > 1e-12 * std::max(1.0, c00 * c11)) {
    alpha1 = (x0 * c11 - x1 * c01) / det;
    alpha2 = (c00 * x1 - c01 * x0) / det;
  }
  if (!(alpha1 > 1e-6 * chord && alpha2 > 1e-6 * chord)) alpha1 = alpha2 = chord / 3;
  return {p0, p0 + t1 * alpha1, p3 + t2 * alpha2, p3};
}

// One Newton step towards the parameter of the curve point nearest p.
double NearerParameter(const Cubic& c, QPointF p, double u) {
  const QPointF offset = c.At(u) - p;
  const QPointF d1 = Derivative(c, u);
  const double slope = Dot(d1, d1) + Dot(offset, SecondDerivative(c, u));
  if (!(std::abs(slope) > 1e-12)) return u;
  return std::clamp(u - Dot(offset, d1) / slope, 0.0, 1.0);
}

struct FitError {
  double distance = 0;
  size_t split = 0;  // an interior index of the run
};

// The largest distance of the curve between parameters from and to from the
// line through a and b: the distance is a cubic in the parameter, so its
// largest value is at an end or where its derivative vanishes.
double FarthestFromLine(const Cubic& c, double from, double to, QPointF a, QPointF b) {
  const QPointF normal = Unit(QPointF(a.y() - b.y(), b.x() - a.x()));
  const double p0 = Dot(normal, c.p0 - a), p1 = Dot(normal, c.p1 - a);
  const double p2 = Dot(normal, c.p2 - a), p3 = Dot(normal, c.p3 - a);
  const double k3 = -p0 + 3 * p1 - 3 * p2 + p3, k2 = 3 * p0 - 6 * p1 + 3 * p2, k1 = 3 * p1 - 3 * p0;
  auto at = [&](double u) { return std::abs(((k3 * u + k2) * u + k1) * u + p0); };
  if (from > to) std::swap(from, to);
  double farthest = std::max(at(from), at(to));
  auto consider = [&](double u) {
    if (u > from && u < to) farthest = std::max(farthest, at(u));
  };
  // Roots of 3 k3 u^2 + 2 k2 u + k1.
  const double qa = 3 * k3, qb = 2 * k2, qc = k1;
  if (std::abs(qa) < 1e-12 * (std::abs(qb) + std::abs(qc))) {
    if (qb != 0) consider(-qc / qb);
  } else {
    const double disc = qb * qb - 4 * qa * qc;
    if (disc >= 0) {
      consider((-qb + std::sqrt(disc)) / (2 * qa));
      consider((-qb - std::sqrt(disc)) / (2 * qa));
    }
  }
  return farthest;
}

// The largest distance from a point to its place on the curve, or from the
// curve between two points to the edge joining them, and where to split.
FitError MeasureFit(const Cubic& c, std::span<const QPointF> run, const std::vector<double>& u) {
  FitError worst{-1, run.size() / 2};
  const size_t last = run.size() - 1;
  auto consider = [&](double distance, size_t split) {
    if (distance > worst.distance) worst = {distance, std::clamp<size_t>(split, 1, last - 1)};
  };
  for (size_t i = 0; i < last; ++i) {
    if (i > 0) consider(Length(c.At(u[i]) - run[i]), i);
    if (run[i] != run[i + 1]) {
      consider(FarthestFromLine(c, u[i], u[i + 1], run[i], run[i + 1]), i == 0 ? 1 : i);
    }
  }
  return worst;
}

struct Piece {
  size_t first, last;
  QPointF t1, t2;
};

struct Fitted {
  Cubic cubic;
  Piece piece;
};

// Fits one piece, moving the parameters towards the nearest curve points
// while that improves the fit. True when the fit holds within tolerance;
// split tells where it strays most.
bool FitPiece(std::span<const QPointF> run, QPointF t1, QPointF t2, double tolerance, Cubic& fit,
              size_t& split) {
  std::vector<double> u = ChordLengthParameters(run);
  fit = LeastSquaresCubic(run, u, t1, t2);
  FitError error = MeasureFit(fit, run, u);
  for (int step = 0; step < kNewtonSteps && error.distance > tolerance; ++step) {
    std::vector<double> moved = u;
    for (size_t i = 1; i + 1 < run.size(); ++i) moved[i] = NearerParameter(fit, run[i], u[i]);
    const Cubic refit = LeastSquaresCubic(run, moved, t1, t2);
    const FitError refitError = MeasureFit(refit, run, moved);
    if (refitError.distance > error.distance * kWorthwhileGain) break;
    u = std::move(moved);
    fit = refit;
    error = refitError;
  }
  split = error.split;
  return error.distance <= tolerance;
}

}  // namespace

QPointF Cubic::At(double t) const {
  const double s = 1 - t;
  return s * s * s * p0 + 3 * s * s * t * p1 + 3 * s * t * t * p2 + t * t * t * p3;
}

QPointF Unit(QPointF v) {
  const double length = Length(v);
  return length > 0 ? v / length : QPointF();
}

double DistanceToSegment(QPointF p, QPointF a, QPointF b) {
  const QPointF ab = b - a;
  const double squared = Dot(ab, ab);
  const double t = squared > 0 ? std::clamp(Dot(p - a, ab) / squared, 0.0, 1.0) : 0.0;
  return Length(p - (a + ab * t));
}

double DistanceToPolyline(QPointF p, std::span<const QPointF> points) {
  double nearest = INFINITY;
  for (size_t k = 0; k + 1 < points.size(); ++k) {
    nearest = std::min(nearest, DistanceToSegment(p, points[k], points[k + 1]));
  }
  return nearest;
}

std::vector<Cubic> FitCubics(std::span<const QPointF> run, QPointF startTangent, QPointF endTangent,
                             double tolerance) {
  if (run.size() < 2) return {};
  std::vector<Fitted> fitted;
  // Pieces wait on a stack, the later half below the earlier, so that the
  // cubics come out in order without recursion as deep as the run is long.
  std::vector<Piece> pending{{0, run.size() - 1, startTangent, endTangent}};
  while (!pending.empty()) {
    const Piece piece = pending.back();
    pending.pop_back();
    const std::span<const QPointF> points = run.subspan(piece.first, piece.last - piece.first + 1);
    if (points.size() == 2 || WithinChord(points, tolerance)) {
      fitted.push_back({StraightCubic(points.front(), points.back()), piece});
      continue;
    }
    Cubic fit;
    size_t split = 0;
    if (FitPiece(points, piece.t1, piece.t2, tolerance, fit, split)) {
      fitted.push_back({fit, piece});
      continue;
    }
    // A worst point near an end would split off a sliver and leave the
    // rest as hard to fit as before: such a run is halved instead.
    if (split < points.size() / kEndShare || split > points.size() - points.size() / kEndShare) {
      split = points.size() / 2;
    }
    // Both halves leave the split point along one tangent.
    const QPointF centre = Unit(points[split - 1] - points[split + 1]);
    const size_t at = piece.first + split;
    pending.push_back({at, piece.last, -centre, piece.t2});
    pending.push_back({piece.first, at, piece.t1, centre});
  }
  // Splitting at the worst point can cut a run into more pieces than it
  // needs: neighbouring curves are joined again where one cubic holds.
  std::vector<Cubic> out;
  Fitted* open = nullptr;
  for (Fitted& next : fitted) {
    if (open != nullptr && !open->cubic.straight && !next.cubic.straight &&
        next.piece.last - open->piece.first < kLongestJoin) {
      const Piece joined{open->piece.first, next.piece.last, open->piece.t1, next.piece.t2};
      Cubic fit;
      size_t split = 0;
      if (FitPiece(run.subspan(joined.first, joined.last - joined.first + 1), joined.t1, joined.t2,
                   tolerance, fit, split)) {
        *open = {fit, joined};
        continue;
      }
    }
    if (open != nullptr) out.push_back(open->cubic);
    open = &next;
  }
  if (open != nullptr) out.push_back(open->cubic);
  return out;
}

}  // namespace tavisk
