// Point counts and records of the point-menu operations: open and close,
// separate and join, and every operation on states where it has nothing to
// act on.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "document/complex_chain.h"
#include "edit/figure_split_join.h"
#include "edit/path_closing.h"
#include "edit/point_insertion.h"
#include "edit/shape_conversion.h"
#include "edit/shape_outline.h"

namespace tavisk {
namespace {

sShape PointShape(uint8_t typ, std::vector<sPoint> points) {
  sShape shape;
  shape.Typ = typ;
  shape.Pt = std::move(points);
  return shape;
}

// A closed chain of three segments, an open one of two, and two figures.
const std::vector<sPoint> kClosedChain{{0, 0},   {10, -5}, {20, -5}, {30, 0}, {40, 10},
                                       {40, 20}, {30, 30}, {10, 30}, {0, 10}};
const std::vector<sPoint> kOpenChain{{0, 0},   {10, -5}, {20, -5}, {30, 0},
                                     {40, 10}, {40, 20}, {30, 30}};

class PathOperationsTest : public ::testing::Test {
 protected:
  // The current object holds shapes; the first is current.
  void Use(std::vector<sShape> shapes) {
    for (size_t i = 0; i < shapes.size(); ++i) {
      if (shapes[i].Name.empty()) shapes[i].Name = "s" + std::to_string(i);
      shapes[i].Id = static_cast<int64_t>(i);
    }
    ctx.Obj[0].Shape = std::move(shapes);
    ctx.Obj[0].HasShape = 1;
    ctx.CurrentShape = 0;
    ctx.CurrentPoint = 0;
  }
  sShape& Shape(size_t i) { return ctx.Obj[0].Shape[i]; }
  size_t Count() const { return ctx.Obj[0].Shape.size(); }

  EditorContext ctx;
};

TEST_F(PathOperationsTest, OpenAndCloseAComplexShapeOfOneFigure) {
  Use({PointShape(kComplexShape, kClosedChain)});
  OpenPath(ctx);
  ASSERT_EQ(Shape(0).Pt.size(), 7u) << "the closing segment's two controls go";
  EXPECT_EQ(Shape(0).Pt, std::vector<sPoint>(kClosedChain.begin(), kClosedChain.begin() + 7));
  OpenPath(ctx);
  EXPECT_EQ(Shape(0).Pt.size(), 7u) << "already open";

  ClosePath(ctx);
  ASSERT_EQ(Shape(0).Pt.size(), 9u) << "a straight closing segment's two controls come";
  EXPECT_EQ(Shape(0).Pt[7], (sPoint{20, 20}));
  EXPECT_EQ(Shape(0).Pt[8], (sPoint{10, 10}));
  ClosePath(ctx);
  EXPECT_EQ(Shape(0).Pt.size(), 9u) << "already closed";

  // One closed segment stays, and several figures are left alone.
  const std::vector<sPoint> loop{{0, 0}, {50, 0}, {0, 50}};
  const std::vector<sPoint> two =
      ChainOfFigures({FiguresOfChain(kClosedChain)[0], {{100, 0}, {120, 0}, {120, 20}, {100, 0}}});
  Use({PointShape(kComplexShape, loop), PointShape(kComplexShape, two)});
  OpenPath(ctx);
  EXPECT_EQ(Shape(0).Pt, loop);
  ctx.CurrentShape = 1;
  OpenPath(ctx);
  ClosePath(ctx);
  EXPECT_EQ(Shape(1).Pt, two);
}

TEST_F(PathOperationsTest, OpenAndCloseLinesAndCurves) {
  sShape line = PointShape(kLine, {{0, 0}, {10, 0}, {10, 10}});
  Use({line});
  ClosePath(ctx);
  EXPECT_EQ(Shape(0).Close, 1);
  EXPECT_EQ(Shape(0).Pt.back(), (sPoint{0, 0})) << "closed by a point too, which is saved";
  OpenPath(ctx);
  EXPECT_EQ(Shape(0).Close, 0);
  EXPECT_EQ(Shape(0).Pt, line.Pt);

  // A line closed by the flag alone only loses the flag.
  line.Close = 1;
  Use({line});
  OpenPath(ctx);
  EXPECT_EQ(Shape(0).Close, 0);
  EXPECT_EQ(Shape(0).Pt, line.Pt);

  // A curve that wraps to point 0 (3k points) opens into 3k - 2.
  Use({PointShape(kCurve, kClosedChain)});
  OpenPath(ctx);
  EXPECT_EQ(Shape(0).Pt.size(), 7u);
  ClosePath(ctx);
  EXPECT_EQ(Shape(0).Pt.size(), 10u);
  EXPECT_EQ(Shape(0).Pt.back(), (sPoint{0, 0}));
  EXPECT_EQ(Shape(0).Close, 1);

  // Boxes and circles have no path to open or close.
  sShape box = PointShape(kBox, {{0, 0}});
  box.W = box.H = 10;
  Use({box});
  box = Shape(0);
  ClosePath(ctx);
  OpenPath(ctx);
  EXPECT_EQ(Shape(0), box);
}

TEST_F(PathOperationsTest, AddPointSplitsTheSegmentAtItsMiddle) {
  // One cubic whose middle is at (20, 30): split into two halves.
  Use({PointShape(kCurve, {{0, 0}, {0, 40}, {40, 40}, {40, 0}})});
  ctx.CurrentPoint = 3;
  AddPointBefore(ctx);
  EXPECT_EQ(Shape(0).Pt, (std::vector<sPoint>{
                             {0, 0}, {0, 20}, {10, 30}, {20, 30}, {30, 30}, {40, 20}, {40, 0}}));
  EXPECT_EQ(ctx.CurrentPoint, 3);
  // After the last anchor of an open path there is no segment.
  ctx.CurrentPoint = 6;
  AddPointAfter(ctx);
  EXPECT_EQ(Shape(0).Pt.size(), 7u);
  // A control point splits its own segment, whichever way.
  ctx.CurrentPoint = 5;
  AddPointBefore(ctx);
  EXPECT_EQ(Shape(0).Pt.size(), 10u);
  EXPECT_EQ(ctx.CurrentPoint, 6);

  // A line gets the midpoint; the closing segment counts when closed.
  sShape line = PointShape(kLine, {{0, 0}, {10, 0}, {10, 10}});
  line.Close = 1;
  Use({line});
  AddPointBefore(ctx);
  EXPECT_EQ(Shape(0).Pt.back(), (sPoint{5, 5}));
  EXPECT_EQ(ctx.CurrentPoint, 3);
}

TEST_F(PathOperationsTest, SeparateThenJoinGivesBackTheFigures) {
  const std::vector<ChainFigure> figures{
      FiguresOfChain(kClosedChain)[0],
      {{100, 0}, {120, 0}, {120, 20}, {100, 0}},
      {{200, 0}, {210, 5}, {220, 5}, {230, 0}, {230, 20}, {210, 20}, {200, 0}}};
  sShape whole = PointShape(kComplexShape, ChainOfFigures(figures));
  whole.Name = "Shape_0";
  whole.X = 7;
  whole.Color = 12345;
  whole.Style = kDash;
  sShape after = PointShape(kBox, {{0, 0}});
  after.Name = "Shape_0_2";  // taken: the pieces skip it
  Use({whole, after});

  SeparateFigures(ctx);
  ASSERT_EQ(Count(), 4u);
  const std::vector<std::string> names{Shape(0).Name, Shape(1).Name, Shape(2).Name, Shape(3).Name};
  EXPECT_EQ(names, (std::vector<std::string>{"Shape_0", "Shape_0_3", "Shape_0_4", "Shape_0_2"}));
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(FiguresOfChain(Shape(i).Pt), std::vector<ChainFigure>{figures[i]});
    EXPECT_EQ(Shape(i).X, 7);
    EXPECT_EQ(Shape(i).Color, 12345);
    EXPECT_EQ(Shape(i).Style, kDash);
  }
  for (size_t i = 0; i < Count(); ++i) EXPECT_EQ(Shape(i).Id, static_cast<int64_t>(i));
  EXPECT_EQ(ctx.CurrentShape, 0);

  Shape(1).Selected = 1;
  Shape(2).Selected = 1;
  JoinSelectedShapes(ctx);
  ASSERT_EQ(Count(), 2u);
  EXPECT_EQ(Shape(0), [&] {
    sShape joined = whole;
    joined.Selected = 1;
    return joined;
  }());
  EXPECT_EQ(Shape(1).Name, "Shape_0_2");
  EXPECT_EQ(Shape(1).Id, 1);
}

TEST_F(PathOperationsTest, JoinThenSeparateGivesBackTheOutlines) {
  sShape box = PointShape(kBox, {{0, 0}});
  box.X = 10;
  box.Y = 20;
  box.W = 50;
  box.H = 40;
  box.Name = "box";
  sShape text = PointShape(kText, {{0, 0}});
  text.Text = "stays";
  text.Selected = 1;
  sShape circle = PointShape(kCircle, {{5, 5}});
  circle.X = 40;
  circle.Y = 30;
  circle.W = circle.H = 25;
  circle.Selected = 1;
  circle.Color = 999;
  Use({text, box, circle});
  ctx.CurrentShape = 1;  // current, not selected: still joined

  JoinSelectedShapes(ctx);
  ASSERT_EQ(Count(), 2u);
  EXPECT_EQ(Shape(0).Text, "stays");
  const sShape& joined = Shape(1);
  EXPECT_EQ(joined.Typ, kComplexShape);
  EXPECT_EQ(joined.Name, "box");
  EXPECT_EQ(joined.Color, box.Color) << "the first in drawing order gives the paint";
  EXPECT_EQ(joined.Selected, 1);
  EXPECT_EQ(ctx.CurrentShape, 1);

  SeparateFigures(ctx);
  ASSERT_EQ(Count(), 3u);
  EXPECT_EQ(ShapeAsFigures(Shape(1)), ShapeAsFigures(box));
  std::vector<ChainFigure> circleThere = ShapeAsFigures(circle);
  for (sPoint& p : circleThere[0]) p = {p.X + 30, p.Y + 10};
  EXPECT_EQ(ShapeAsFigures(Shape(2)), circleThere) << "re-based on the box's position";
}

TEST_F(PathOperationsTest, SeparateClearsTheLinksOfTheCurrentRun) {
  std::vector<sShape> shapes(5, PointShape(kBox, {{0, 0}}));
  shapes[0].Link = 1;  // a run of its own: 0 and 1
  shapes[2].Link = 1;  // the current run: 2, 3, 4
  shapes[3].Link = 1;
  Use(shapes);
  ctx.CurrentShape = 3;
  SeparateFigures(ctx);
  std::vector<int> links;
  for (size_t i = 0; i < Count(); ++i) links.push_back(Shape(i).Link);
  EXPECT_EQ(links, (std::vector<int>{1, 0, 0, 0, 0}));
}

TEST_F(PathOperationsTest, NothingToActOnChangesNothingAndCrashesNothing) {
  using Op = void (*)(EditorContext&);
  const Op ops[] = {OpenPath,         ClosePath,       AddPointBefore,
                    AddPointAfter,    ConvertToLine,   ConvertToCurve,
                    ConvertToComplex, SeparateFigures, JoinSelectedShapes};
  const int64_t big = std::numeric_limits<int64_t>::max();
  sShape text = PointShape(kText, {{0, 0}});
  text.Text = "t";
  sShape onePoint = PointShape(kLine, {{3, 4}});
  const struct {
    const char* what;
    std::vector<sShape> shapes;
    int64_t shape, point;
  } states[] = {
      {"no current shape", {PointShape(kLine, {{0, 0}, {9, 9}})}, -1, 0},
      {"a current shape past the end", {PointShape(kLine, {{0, 0}, {9, 9}})}, 3, 0},
      {"a one-point line", {onePoint}, 0, 0},
      {"a one-point curve", {PointShape(kCurve, {{3, 4}})}, 0, 0},
      {"a text", {text}, 0, 0},
      {"a rounded box", {PointShape(kRoundBox, {{0, 0}})}, 0, 0},
  };
  for (const auto& state : states) {
    for (const Op op : ops) {
      Use(state.shapes);
      const std::vector<sShape> before = ctx.Obj[0].Shape;
      ctx.CurrentShape = state.shape;
      ctx.CurrentPoint = state.point;
      op(ctx);
      EXPECT_EQ(ctx.Obj[0].Shape, before) << state.what;
    }
  }

  // No current point: the insertions do nothing, the rest act on the shape.
  Use({PointShape(kComplexShape, kOpenChain)});
  ctx.CurrentPoint = -1;
  AddPointBefore(ctx);
  AddPointAfter(ctx);
  EXPECT_EQ(Shape(0).Pt, kOpenChain);
  ConvertToLine(ctx);
  EXPECT_EQ(ctx.CurrentPoint, -1);

  // A current point past the new end is held on the last point.
  Use({PointShape(kComplexShape, kOpenChain)});
  ctx.CurrentPoint = 6;
  ConvertToLine(ctx);
  EXPECT_EQ(ctx.CurrentPoint, 2);

  // Coordinates at the 64-bit limits: halves and outlines stay in range.
  Use({PointShape(kLine, {{-big, big}, {big, -big}})});
  AddPointAfter(ctx);
  EXPECT_EQ(Shape(0).Pt[1], (sPoint{0, 0}));
  sShape farBox = PointShape(kBox, {{big - 10, big - 10}});
  farBox.W = farBox.H = 100;
  Use({farBox});
  ConvertToLine(ctx);
  EXPECT_EQ(Shape(0).Pt[2], (sPoint{big, big})) << "the far corner is held at the limit";
  Use({PointShape(kCurve, {{-big, -big}, {big, big}, {-big, big}, {big, -big}})});
  AddPointAfter(ctx);
  EXPECT_EQ(Shape(0).Pt[3], (sPoint{0, big / 2 + 1}))
      << "(p0 + 3 p1 + 3 p2 + p3) / 8, half to even";
  for (const Op op : ops) op(ctx);
  EXPECT_EQ(Shape(0).Typ, kComplexShape);
}

}  // namespace
}  // namespace tavisk
