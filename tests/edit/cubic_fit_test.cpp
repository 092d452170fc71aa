#include "edit/cubic_fit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <random>

#include "edit/outline_fit.h"

namespace tavisk {
namespace {

constexpr double kPi = std::numbers::pi;
// How far from the true outline a rounded figure may lie: the fit's
// tolerance plus what moving every point onto whole units adds (up to half
// a unit's diagonal at a corner; smooth joins and controls are rounded the
// way that keeps the curve nearest).
constexpr double kRoundedReach = 0.6;

using Curve = std::function<QPointF(double)>;  // a closed curve over [0, 1)

QPolygonF Flattened(const Curve& curve, int points) {
  QPolygonF polygon;
  for (int i = 0; i <= points; ++i) polygon << curve(static_cast<double>(i % points) / points);
  return polygon;
}

std::vector<QPointF> Sampled(const Curve& curve, int count) {
  std::vector<QPointF> out;
  for (int i = 0; i <= count; ++i) out.push_back(curve(static_cast<double>(i) / count));
  return out;
}

std::vector<QPointF> Sampled(const std::vector<Cubic>& cubics) {
  std::vector<QPointF> out;
  for (const Cubic& c : cubics) {
    for (int k = 0; k < 64; ++k) out.push_back(c.At(k / 64.0));
  }
  if (!cubics.empty()) out.push_back(cubics.back().p3);
  return out;
}

std::vector<Cubic> CubicsOf(const ChainFigure& figure) {
  auto at = [&](size_t i) { return QPointF(figure[i].X, figure[i].Y); };
  std::vector<Cubic> out;
  for (size_t i = 0; i + 3 < figure.size(); i += 3)
    out.push_back({at(i), at(i + 1), at(i + 2), at(i + 3)});
  return out;
}

// The larger of the two one-sided distances between two dense outlines.
double Gap(const std::vector<QPointF>& a, const std::vector<QPointF>& b) {
  double gap = 0;
  for (QPointF p : a) gap = std::max(gap, DistanceToPolyline(p, b));
  for (QPointF p : b) gap = std::max(gap, DistanceToPolyline(p, a));
  return gap;
}

Curve Circle(double r, QPointF centre) {
  return
      [=](double t) { return centre + r * QPointF(std::cos(2 * kPi * t), std::sin(2 * kPi * t)); };
}

TEST(OutlineFit, AFlattenedCircleComesBackAsAFewArcsNearTheTrueCircle) {
  for (double r : {3.0, 20.0, 150.0, 1000.0}) {
    const Curve circle = Circle(r, {r + 7.3, -2.6});
    // Chords within 0.01 of the circle.
    const int chords = static_cast<int>(std::ceil(kPi / std::acos(1 - 0.01 / r)));
    const std::vector<Cubic> fit = FitClosedOutline(Flattened(circle, chords), kOutlineTolerance);
    EXPECT_LE(fit.size(), 8u) << "radius " << r;
    const std::vector<QPointF> truth = Sampled(circle, 4096);
    EXPECT_LE(Gap(Sampled(fit), truth), kOutlineTolerance + 0.01) << "radius " << r;
    const std::vector<Cubic> rounded = CubicsOf(RoundedFigure(fit, {0, 0}));
    EXPECT_EQ(rounded.size(), fit.size());
    EXPECT_LE(Gap(Sampled(rounded), truth), kRoundedReach) << "radius " << r;
  }
}

TEST(OutlineFit, CornersStayExactAnchorsAndStraightEdgesStayStraight) {
  // A box whose edges carry extra points, as set operations leave them.
  const QPolygonF box{{10, 20}, {60, 20}, {110, 20}, {110, 45}, {110, 70}, {10, 70}, {10, 20}};
  ChainFigure expected{{10, 20, 0, 0}};
  const sPoint corners[] = {{110, 20}, {110, 70}, {10, 70}, {10, 20}};
  for (const sPoint& corner : corners) AppendStraightSegment(expected, expected.back(), corner);
  const std::vector<Cubic> fit = FitClosedOutline(box, kOutlineTolerance);
  ASSERT_EQ(fit.size(), 4u);
  for (const Cubic& c : fit) EXPECT_TRUE(c.straight);
  EXPECT_EQ(RoundedFigure(fit, {0, 0}), expected);

  // A half disc: its two corners are anchors, its diameter one straight
  // segment and its arc a few curves.
  const Curve halfDisc = [](double t) {
    if (t < 0.5) return QPointF(100 * std::cos(2 * kPi * t), 100 * std::sin(2 * kPi * t));
    return QPointF(-100 + 200 * (2 * t - 1), 0);
  };
  const std::vector<Cubic> disc = FitClosedOutline(Flattened(halfDisc, 400), kOutlineTolerance);
  ASSERT_GE(disc.size(), 2u);
  EXPECT_LE(disc.size(), 4u);
  EXPECT_EQ(std::count_if(disc.begin(), disc.end(), [](const Cubic& c) { return c.straight; }), 1);
  for (const Cubic& c : disc) {
    if (!c.straight) continue;
    EXPECT_EQ(c.p0, QPointF(-100, 0));
    EXPECT_EQ(c.p3, QPointF(100, 0));
  }
}

TEST(OutlineFit, RandomSmoothCurvesStayWithinTolerance) {
  std::mt19937 rng(11);
  std::uniform_real_distribution<double> unit(0, 1);
  double worstFit = 0, worstRounded = 0;
  size_t segments = 0;
  const int rounds = 24;
  for (int round = 0; round < rounds; ++round) {
    const double size = 20 + 380 * unit(rng);
    double amplitude[4], phase[4];
    for (int k = 0; k < 4; ++k) {
      amplitude[k] = 0.08 * unit(rng) / (k + 1);
      phase[k] = 2 * kPi * unit(rng);
    }
    const Curve curve = [&](double t) {
      const double a = 2 * kPi * t;
      double r = size;
      for (int k = 0; k < 4; ++k) r += size * amplitude[k] * std::cos((k + 2) * a + phase[k]);
      return QPointF(r * std::cos(a), r * std::sin(a));
    };
    const std::vector<Cubic> fit = FitClosedOutline(Flattened(curve, 3000), kOutlineTolerance);
    const std::vector<QPointF> truth = Sampled(curve, 2000);
    worstFit = std::max(worstFit, Gap(Sampled(fit), truth));
    worstRounded =
        std::max(worstRounded, Gap(Sampled(CubicsOf(RoundedFigure(fit, {0, 0}))), truth));
    segments += fit.size();
  }
  // The chords of these curves stay within a few hundredths of them.
  EXPECT_LE(worstFit, kOutlineTolerance + 0.03);
  EXPECT_LE(worstRounded, kRoundedReach);
  EXPECT_LE(segments, 16u * rounds);
  RecordProperty("worst_fit", std::to_string(worstFit));
  RecordProperty("worst_rounded", std::to_string(worstRounded));
  RecordProperty("segments_per_curve", std::to_string(static_cast<double>(segments) / rounds));
}

TEST(OutlineFit, DegenerateOutlinesGiveNoFigure) {
  EXPECT_TRUE(FitClosedOutline(QPolygonF(), kOutlineTolerance).empty());
  EXPECT_TRUE(FitClosedOutline(QPolygonF{{1, 1}, {5, 5}, {1, 1}}, kOutlineTolerance).empty());
  EXPECT_TRUE(
      FitClosedOutline(QPolygonF{{3, 3}, {3, 3}, {3, 3}, {3, 3}}, kOutlineTolerance).empty());
  // Smaller than a unit: every point rounds onto one.
  const std::vector<Cubic> speck =
      FitClosedOutline(QPolygonF{{0.1, 0.1}, {0.3, 0.1}, {0.2, 0.3}}, kOutlineTolerance);
  EXPECT_FALSE(speck.empty());
  EXPECT_TRUE(RoundedFigure(speck, {0, 0}).empty());
}

TEST(OutlineFit, AnOutlineTouchingItselfIsReadBackWhole) {
  // Two triangles meeting at the origin, the outline's first point, and a
  // short edge leaving it there: started at the origin, the chain would read
  // that edge as the jump to a next figure.
  const QPolygonF touching{{0, 0}, {20, 0}, {20, 20}, {0, 0}, {-2, 1}, {-20, -20}, {0, 0}};
  const ChainFigure figure = RoundedFigure(FitClosedOutline(touching, kOutlineTolerance), {0, 0});
  ASSERT_FALSE(figure.empty());
  const ChainFigure triangle = {{100, 0},  {100, 0},  {110, 0},  {110, 0}, {110, 0},
                                {110, 10}, {110, 10}, {110, 10}, {100, 0}, {100, 0}};
  EXPECT_EQ(FiguresOfChain(ChainOfFigures({figure})), std::vector<ChainFigure>{figure});
  EXPECT_EQ(FiguresOfChain(ChainOfFigures({figure, triangle})),
            (std::vector<ChainFigure>{figure, triangle}));
}

}  // namespace
}  // namespace tavisk
