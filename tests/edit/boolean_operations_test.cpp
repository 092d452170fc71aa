#include "edit/boolean_operations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>
#include <string>
#include <vector>

#include "document/complex_chain.h"
#include "render/painter_surface.h"
#include "render/render_fixtures.h"
#include "render/renderer.h"

namespace tavisk {
namespace {

using test::MakeObject;
using test::MakePointShape;
using test::MakeShape;

constexpr double kPi = std::numbers::pi;

ChainFigure BoxFigure(int64_t x0, int64_t y0, int64_t x1, int64_t y1) {
  ChainFigure figure{{x0, y0, 0, 0}};
  const sPoint corners[] = {{x1, y0}, {x1, y1}, {x0, y1}, {x0, y0}};
  for (const sPoint& corner : corners) AppendStraightSegment(figure, figure.back(), corner);
  return figure;
}

// A square frame: 120 wide with a 60 wide hole, drawn even-odd.
sShape Frame() {
  sShape frame = MakeShape(kComplexShape, 0, 0, 0, 0);
  frame.Pt = ChainOfFigures({BoxFigure(20, 20, 140, 140), BoxFigure(50, 50, 110, 110)});
  return frame;
}

sShape Circle(int16_t cx, int16_t cy, int16_t r) {
  return MakeShape(kCircle, cx, cy, r, r);
}

// The scene is one object holding shapes; those listed in selected are
// selected and current is the current shape.
class BooleanOperationsTest : public ::testing::Test {
 protected:
  void Use(std::vector<sShape> shapes, int64_t current, std::vector<size_t> selected = {}) {
    for (size_t i : selected) shapes[i].Selected = 1;
    ctx.Obj = {MakeObject(std::move(shapes))};
    ctx.ObjReady = 1;
    ctx.CurrentObject = 0;
    ctx.CurrentShape = current;
  }

  // The area the scene covers, in pixels at scale 1, edges counted by their
  // antialiased coverage.
  double PaintedArea() const {
    QImage image = test::MakeCanvas(400, 300);
    PainterSurface surface(image);
    if (!surface.BeginSurface()) return -1;
    DrawSceneForExport(ctx, surface);
    surface.EndSurface();
    double area = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) area += image.pixelColor(x, y).alphaF();
    }
    return area;
  }

  const std::vector<sShape>& Shapes() const { return ctx.Obj[0].Shape; }

  EditorContext ctx;
};

struct AreaCase {
  std::string name;
  std::vector<sShape> shapes;
  int64_t current;
  BooleanOp op;
  double area;
};

TEST_F(BooleanOperationsTest, ResultsCoverTheExpectedAreas) {
  const sShape boxA = MakeShape(kBox, 50, 50, 100, 100);
  const sShape boxB = MakeShape(kBox, 100, 50, 100, 100);
  const double r = 60, d = 60;
  const double disc = kPi * r * r;
  const double lens = 2 * r * r * std::acos(d / (2 * r)) - d / 2 * std::sqrt(4 * r * r - d * d);
  const sShape circleA = Circle(120, 150, 60), circleB = Circle(180, 150, 60);
  // The frame's ring holds 10800; the bar crosses it with 200 beyond it,
  // 800 on the ring and 200 in the hole.
  const sShape bar = MakeShape(kBox, 90, 40, 60, 20);
  const AreaCase cases[] = {
      {"box union", {boxA, boxB}, 0, BooleanOp::Union, 15000},
      {"box intersection", {boxA, boxB}, 0, BooleanOp::Intersection, 5000},
      {"box difference", {boxA, boxB}, 0, BooleanOp::Difference, 5000},
      {"box exclusion", {boxA, boxB}, 1, BooleanOp::Exclusion, 10000},
      {"circle union", {circleA, circleB}, 0, BooleanOp::Union, 2 * disc - lens},
      {"circle intersection", {circleA, circleB}, 1, BooleanOp::Intersection, lens},
      {"circle difference", {circleA, circleB}, 1, BooleanOp::Difference, disc - lens},
      {"circle exclusion", {circleA, circleB}, 0, BooleanOp::Exclusion, 2 * disc - 2 * lens},
      {"frame union", {Frame(), bar}, 0, BooleanOp::Union, 11200},
      {"frame intersection", {Frame(), bar}, 0, BooleanOp::Intersection, 800},
      {"frame less bar", {Frame(), bar}, 0, BooleanOp::Difference, 10000},
      {"bar less frame", {Frame(), bar}, 1, BooleanOp::Difference, 400},
      {"frame exclusion", {Frame(), bar}, 1, BooleanOp::Exclusion, 10400},
      {"three boxes intersected",
       {boxA, boxB, MakeShape(kBox, 120, 0, 100, 100)},
       2,
       BooleanOp::Intersection,
       30 * 50},
      {"three boxes excluded",
       {boxA, boxB, MakeShape(kBox, 120, 0, 100, 100)},
       0,
       BooleanOp::Exclusion,
       30000 - 2 * (5000 + 1500 + 4000) + 4 * 1500},
  };
  for (const AreaCase& c : cases) {
    std::vector<size_t> every(c.shapes.size());
    std::iota(every.begin(), every.end(), size_t{0});
    Use(c.shapes, c.current, every);
    ASSERT_TRUE(ApplyBooleanOp(ctx, c.op)) << c.name;
    ASSERT_EQ(Shapes().size(), 1u) << c.name;
    EXPECT_EQ(Shapes()[0].Typ, kComplexShape) << c.name;
    EXPECT_NEAR(PaintedArea(), c.area, 0.01 * c.area) << c.name;
  }
}

TEST_F(BooleanOperationsTest, BoxesStayBoxesAndCirclesStayFewArcs) {
  Use({MakeShape(kBox, 50, 50, 100, 100), MakeShape(kBox, 100, 50, 100, 100)}, 0, {1});
  ASSERT_TRUE(ApplyBooleanOp(ctx, BooleanOp::Union));
  // Relative to the first box's corner: 150 x 100, four straight edges.
  std::vector<ChainFigure> figures = FiguresOfChain(Shapes()[0].Pt);
  ASSERT_EQ(figures.size(), 1u);
  ChainFigure corners;
  for (size_t i = 0; i < figures[0].size(); i += 3) corners.push_back(figures[0][i]);
  EXPECT_EQ(corners.size(), 5u);
  for (const sPoint& p : corners) {
    EXPECT_TRUE((p.X == 0 || p.X == 150) && (p.Y == 0 || p.Y == 100)) << p.X << ", " << p.Y;
  }

  Use({Circle(120, 150, 60), Circle(180, 150, 60)}, 0, {1});
  ASSERT_TRUE(ApplyBooleanOp(ctx, BooleanOp::Union));
  figures = FiguresOfChain(Shapes()[0].Pt);
  ASSERT_EQ(figures.size(), 1u);
  EXPECT_LE(figures[0].size(), 1 + 3 * 8u);
}

TEST_F(BooleanOperationsTest, TheResultTakesTheFirstOperandsPlaceAndLooks) {
  sShape back = MakeShape(kBox, 0, 0, 300, 200, test::kOpaqueGreen);
  sShape first = Circle(120, 150, 60);
  first.Name = "first";
  first.Color = test::kOpaqueBlue;
  first.Alpha = 90;
  first.Style = kDash;
  first.Width = 4;
  first.Fx = {test::MakeFx(3, 3, 100, 0, test::kOpaqueRed)};
  sShape label = MakeShape(kText, 10, 10, 20, 0);
  label.Text = "label";
  const sShape second = Circle(180, 150, 60);
  Use({back, first, label, second}, 3, {1, 2});
  ASSERT_TRUE(ApplyBooleanOp(ctx, BooleanOp::Union));

  ASSERT_EQ(Shapes().size(), 3u);
  EXPECT_EQ(Shapes()[0], back);
  EXPECT_EQ(Shapes()[2].Text, "label");
  const sShape& merged = Shapes()[1];
  EXPECT_EQ(ctx.CurrentShape, 1);
  EXPECT_EQ(merged.Selected, 1);
  EXPECT_EQ(merged.Typ, kComplexShape);
  EXPECT_EQ(merged.Name, "first");
  EXPECT_EQ(merged.Color, test::kOpaqueBlue);
  EXPECT_EQ(merged.Alpha, 90);
  EXPECT_EQ(merged.Style, kDash);
  EXPECT_EQ(merged.Width, 4);
  EXPECT_EQ(merged.Fx, first.Fx);
  EXPECT_EQ(merged.X, 120);
  EXPECT_EQ(merged.Y, 150);
}

TEST_F(BooleanOperationsTest, NothingToCombineOrNothingLeftChangesNothing) {
  const sShape box = MakeShape(kBox, 50, 50, 100, 100);
  const sShape other = MakeShape(kBox, 100, 50, 100, 100);
  sShape text = MakeShape(kText, 60, 60, 20, 0);
  text.Text = "t";
  sShape locked = other;
  locked.Locked = 1;
  sShape hidden = other;
  hidden.Hide = 1;
  sShape far = other;
  far.Pt[0] = {int64_t{1} << 62, 0, 0, 0};
  struct Case {
    std::string name;
    std::vector<sShape> shapes;
    int64_t current;
    std::vector<size_t> selected;
    BooleanOp op;
  };
  const Case cases[] = {
      {"nothing chosen", {box, other}, -1, {}, BooleanOp::Union},
      {"one shape", {box, other}, 0, {}, BooleanOp::Union},
      {"one selected, none current", {box, other}, -1, {1}, BooleanOp::Union},
      {"texts only", {text, text}, 0, {1}, BooleanOp::Union},
      {"a text and a box", {text, box}, 0, {1}, BooleanOp::Union},
      {"a locked shape", {box, locked}, 0, {1}, BooleanOp::Union},
      {"a hidden shape", {box, hidden}, 0, {1}, BooleanOp::Union},
      {"a shape out of reach", {box, far}, 0, {1}, BooleanOp::Union},
      {"disjoint intersected",
       {box, MakeShape(kBox, 200, 200, 10, 10)},
       0,
       {1},
       BooleanOp::Intersection},
      {"less a larger shape",
       {box, MakeShape(kBox, 40, 40, 120, 120)},
       0,
       {1},
       BooleanOp::Difference},
      {"identical excluded", {box, box}, 0, {1}, BooleanOp::Exclusion},
  };
  for (const Case& c : cases) {
    Use(c.shapes, c.current, c.selected);
    const std::vector<sObject> before = ctx.Obj;
    EXPECT_FALSE(ApplyBooleanOp(ctx, c.op)) << c.name;
    EXPECT_EQ(ctx.Obj, before) << c.name;
    EXPECT_EQ(ctx.CurrentShape, c.current) << c.name;
  }
  ctx.CurrentObject = 5;
  EXPECT_FALSE(ApplyBooleanOp(ctx, BooleanOp::Union));
}

TEST_F(BooleanOperationsTest, DegenerateHugeAndDetailedShapes) {
  // A box of no size adds nothing and goes with the other operand.
  Use({MakeShape(kBox, 30, 30, 0, 0), Circle(150, 150, 50)}, 0, {1});
  ASSERT_TRUE(ApplyBooleanOp(ctx, BooleanOp::Union));
  ASSERT_EQ(Shapes().size(), 1u);
  EXPECT_NEAR(PaintedArea(), kPi * 2500, 0.01 * kPi * 2500);

  // Far out but within reach: whole units come back exactly.
  const int64_t far = kBooleanCoordinateLimit - 1000;
  sShape a = MakeShape(kBox, 0, 0, 100, 100), b = a;
  a.Pt[0] = {far, -far, 0, 0};
  b.Pt[0] = {far + 50, -far + 50, 0, 0};
  Use({a, b}, 0, {1});
  ASSERT_TRUE(ApplyBooleanOp(ctx, BooleanOp::Intersection));
  std::vector<sPoint> anchors;
  for (size_t i = 0; i < Shapes()[0].Pt.size(); i += 3) anchors.push_back(Shapes()[0].Pt[i]);
  const auto [left, right] = std::minmax_element(anchors.begin(), anchors.end(),
                                                 [](auto& p, auto& q) { return p.X < q.X; });
  const auto [top, bottom] = std::minmax_element(anchors.begin(), anchors.end(),
                                                 [](auto& p, auto& q) { return p.Y < q.Y; });
  EXPECT_EQ(left->X, far + 50);
  EXPECT_EQ(right->X, far + 100);
  EXPECT_EQ(top->Y, -far + 50);
  EXPECT_EQ(bottom->Y, -far + 100);
  // At both ends of the reach at once: each box keeps its figure.
  b.Pt[0] = {-far, far, 0, 0};
  Use({a, b}, 0, {1});
  ASSERT_TRUE(ApplyBooleanOp(ctx, BooleanOp::Union));
  const std::vector<ChainFigure> apart = FiguresOfChain(Shapes()[0].Pt);
  ASSERT_EQ(apart.size(), 2u);
  for (const ChainFigure& figure : apart) {
    const sPoint corner{figure.front().X < 0 ? -far : far, figure.front().X < 0 ? far : -far};
    for (size_t i = 0; i < figure.size(); i += 3) {
      EXPECT_TRUE(figure[i].X == corner.X || figure[i].X == corner.X + 100);
      EXPECT_TRUE(figure[i].Y == corner.Y || figure[i].Y == corner.Y + 100);
    }
  }

  // A star of 3000 curved segments joined with a circle covers what both
  // covered before.
  sShape star = MakeShape(kComplexShape, 0, 0, 0, 0);
  star.Pt.clear();
  const int segments = 3000;
  auto at = [](double t) {
    const double r = 100 + 20 * std::sin(60 * 2 * kPi * t);
    return sPoint{std::llround(200 + r * std::cos(2 * kPi * t)),
                  std::llround(150 + r * std::sin(2 * kPi * t))};
  };
  for (int i = 0; i < segments; ++i) {
    const double t = static_cast<double>(i) / segments, step = 1.0 / segments;
    star.Pt.push_back(at(t));
    star.Pt.push_back(at(t + step / 3));
    star.Pt.push_back(at(t + 2 * step / 3));
  }
  Use({star, Circle(300, 150, 60)}, 1, {0});
  const double before = PaintedArea();
  ASSERT_TRUE(ApplyBooleanOp(ctx, BooleanOp::Union));
  EXPECT_NEAR(PaintedArea(), before, 0.01 * before);
}

}  // namespace
}  // namespace tavisk
