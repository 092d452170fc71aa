// The path grammar: each command absolute and relative, implicit repeats,
// packed numbers and flags, arcs against points they must pass, and where
// a broken path stops.
#include "io/svg/svg_path_data.h"

#include <gtest/gtest.h>

#include <QPainterPath>
#include <cmath>

#include "io/svg/svg_transform.h"

namespace tavisk {
namespace {

QPainterPath Parsed(const char* d, PathDataResult expected = PathDataResult::Complete) {
  QPainterPath path;
  int64_t budget = 1000;
  EXPECT_EQ(ParsePathData(d, path, budget), expected) << d;
  return path;
}

// Every element of both paths at the same place, to a thousandth.
void ExpectSamePath(const QPainterPath& got, const QPainterPath& want, const char* d) {
  ASSERT_EQ(got.elementCount(), want.elementCount()) << d;
  for (int i = 0; i < got.elementCount(); ++i) {
    EXPECT_EQ(got.elementAt(i).type, want.elementAt(i).type) << d << " element " << i;
    EXPECT_NEAR(got.elementAt(i).x, want.elementAt(i).x, 1e-3) << d << " element " << i;
    EXPECT_NEAR(got.elementAt(i).y, want.elementAt(i).y, 1e-3) << d << " element " << i;
  }
}

TEST(SvgPathDataTest, AbsoluteAndRelativeCommandsReachTheSamePoints) {
  QPainterPath want;
  want.moveTo(10, 20);
  want.lineTo(30, 20);
  want.lineTo(40, 20);
  want.lineTo(40, 50);
  want.cubicTo(40, 60, 50, 60, 50, 50);
  // S reflects the last control point (50, 60) about (50, 50).
  want.cubicTo(50, 40, 70, 40, 70, 50);
  // Q (80, 70) to (90, 50), as a cubic: controls two thirds toward (80, 70).
  want.cubicTo(70 + 20.0 / 3, 50 + 40.0 / 3, 90 - 20.0 / 3, 50 + 40.0 / 3, 90, 50);
  // T reflects (80, 70) about (90, 50): control (100, 30).
  want.cubicTo(90 + 20.0 / 3, 50 - 40.0 / 3, 110 - 20.0 / 3, 50 - 40.0 / 3, 110, 50);
  want.closeSubpath();
  want.moveTo(5, 5);
  want.lineTo(15, 5);
  want.lineTo(15, 15);

  ExpectSamePath(Parsed("M10 20 L30 20 H40 V50 C40 60 50 60 50 50 S70 40 70 50 Q80 70 90 50 "
                        "T110 50 Z M5 5 15 5 15 15"),
                 want, "absolute");
  ExpectSamePath(Parsed("m10 20 l20 0 h10 v30 c0 10 10 10 10 0 s20-10 20 0 q10 20 20 0 t20 0 z "
                        "m-5-15 10 0 0 10"),
                 want, "relative");
}

TEST(SvgPathDataTest, PackedNumbersAndFlagsAreSplitAsSvgReadsThem) {
  QPainterPath want;
  want.moveTo(0.5, 0.5);
  want.lineTo(-0.5, -1);
  want.lineTo(1000, 0.002);
  ExpectSamePath(Parsed("M.5.5L-.5-1,1e3 2e-3"), want, "packed numbers");
  // Flags need no separator: large 1, sweep 1, then the end point 10 0.
  const QPainterPath packed = Parsed("M0 0a5 5 0 1110 0");
  const QPainterPath spaced = Parsed("M0 0 a 5 5 0 1 1 10 0");
  ExpectSamePath(packed, spaced, "packed flags");
}

TEST(SvgPathDataTest, ArcsBecomeCubicsOnTheirEllipse) {
  // Half a circle of radius 10 about (10, 0), sweeping through (10, -10).
  const QPainterPath upper = Parsed("M0 0 A10 10 0 0 1 20 0");
  EXPECT_NEAR(upper.pointAtPercent(0.5).x(), 10, 0.01);
  EXPECT_NEAR(upper.pointAtPercent(0.5).y(), -10, 0.01);
  for (double t = 0; t <= 1; t += 0.05) {
    const QPointF p = upper.pointAtPercent(t);
    EXPECT_NEAR(std::hypot(p.x() - 10, p.y()), 10, 0.01) << t;
  }
  // The other sweep passes below.
  EXPECT_NEAR(Parsed("M0 0 A10 10 0 0 0 20 0").pointAtPercent(0.5).y(), 10, 0.01);
  // Large arc of a circle too small to reach: radii grow until they reach.
  const QPainterPath grown = Parsed("M0 0 A1 1 0 1 1 20 0");
  EXPECT_NEAR(grown.pointAtPercent(0.5).y(), -10, 0.01);
  // Three quarters of a circle about (0, 0) from (10, 0) to (0, -10),
  // rotated ellipse axes make no difference to a circle.
  const QPainterPath large = Parsed("M10 0 A10 10 45 1 1 0 -10");
  EXPECT_NEAR(large.pointAtPercent(0.5).x(), -10 * std::sqrt(0.5), 0.02);
  EXPECT_NEAR(large.pointAtPercent(0.5).y(), 10 * std::sqrt(0.5), 0.02);
  EXPECT_EQ(large.currentPosition(), QPointF(0, -10));
  // An ellipse with its axes turned 90 degrees: rx runs along y, and the
  // half from its top to its bottom bulges 10 to the right.
  const QPainterPath turned = Parsed("M0 0 A20 10 90 0 1 0 40");
  EXPECT_NEAR(turned.pointAtPercent(0.5).x(), 10, 0.01);
  EXPECT_NEAR(turned.pointAtPercent(0.5).y(), 20, 0.01);
  // A zero radius draws a straight line.
  const QPainterPath flat = Parsed("M0 0 A0 5 0 0 1 8 6");
  ASSERT_EQ(flat.elementCount(), 2);
  EXPECT_TRUE(flat.elementAt(1).isLineTo());
}

TEST(SvgPathDataTest, ABrokenPathKeepsWhatCameBeforeTheError) {
  const QPainterPath path = Parsed("M0 0 L10 10 L5", PathDataResult::StoppedAtError);
  EXPECT_EQ(path.elementCount(), 2);
  EXPECT_EQ(path.currentPosition(), QPointF(10, 10));
  EXPECT_EQ(Parsed("L10 10", PathDataResult::StoppedAtError).elementCount(), 0);
  EXPECT_EQ(Parsed("M0 0 L1e999 0", PathDataResult::StoppedAtError).elementCount(), 1);
  EXPECT_EQ(Parsed("M0 0 X 5 5", PathDataResult::StoppedAtError).elementCount(), 1);

  QPainterPath path2;
  int64_t budget = 10;
  EXPECT_EQ(ParsePathData("M0 0 1 1 2 2 3 3 4 4 5 5", path2, budget), PathDataResult::OverBudget);
}

TEST(SvgPathDataTest, TransformListsApplyRightToLeftToThePoint) {
  QTransform t;
  ASSERT_TRUE(ParseTransform("translate(10,20) scale(2)", t));
  EXPECT_EQ(t.map(QPointF(1, 1)), QPointF(12, 22));
  ASSERT_TRUE(ParseTransform("rotate(90 5 5)", t));
  const QPointF turned = t.map(QPointF(10, 5));
  EXPECT_NEAR(turned.x(), 5, 1e-9);
  EXPECT_NEAR(turned.y(), 10, 1e-9);
  ASSERT_TRUE(ParseTransform("skewX(45)", t));
  EXPECT_NEAR(t.map(QPointF(0, 10)).x(), 10, 1e-9);
  ASSERT_TRUE(ParseTransform("skewY(45)", t));
  EXPECT_NEAR(t.map(QPointF(10, 0)).y(), 10, 1e-9);
  ASSERT_TRUE(ParseTransform("matrix(1 2 3 4 5 6)", t));
  EXPECT_EQ(t.map(QPointF(1, 1)), QPointF(9, 12));
  ASSERT_TRUE(ParseTransform("scale(2,3)translate(1)", t));
  EXPECT_EQ(t.map(QPointF(0, 1)), QPointF(2, 3));
  EXPECT_FALSE(ParseTransform("rotate(1, 2)", t));
  EXPECT_FALSE(ParseTransform("wobble(3)", t));
  EXPECT_FALSE(ParseTransform("scale(2", t));
}

}  // namespace
}  // namespace tavisk
