#include "render/shape_paint.h"

#include <gtest/gtest.h>

#include <cmath>

#include "document/complex_chain.h"
#include "render/painter_surface.h"
#include "render/renderer.h"
#include "render_fixtures.h"

namespace tavisk {
namespace {

using test::MakeFx;
using test::MakeObject;
using test::MakePointShape;
using test::MakeShape;
using Calls = std::vector<std::string>;

std::vector<std::string> BuildCalls(const EditorContext& ctx, const sObject& object, int64_t j,
                                    const CanvasView& view = {}) {
  test::RecordingSurface surface;
  BuildShapePath(ctx, view, surface, object, j);
  return surface.calls;
}

std::vector<std::string> FxCalls(const EditorContext& ctx, const sObject& object, int64_t j,
                                 int depth, const CanvasView& view = {}) {
  test::RecordingSurface surface;
  DrawShapeFxLayer(ctx, view, surface, object, j, depth);
  return surface.calls;
}

// Each point i of these shapes sits at (10 i, 100 + i) so that the calls
// name the indices they use.
sShape IndexedShape(uint8_t typ, int count) {
  sShape shape = MakeShape(typ, 0, 0, 0, 0);
  shape.Pt.clear();
  for (int i = 0; i < count; ++i) shape.Pt.push_back(sPoint{10 * i, 100 + i, 0, 0});
  return shape;
}

TEST(ShapeGeometry, ComplexShapeChainsIndicesWithWrap) {
  EditorContext ctx;
  const sObject six = MakeObject({IndexedShape(kComplexShape, 6)});
  EXPECT_EQ(BuildCalls(ctx, six, 0),
              (Calls{"move 0 100", "move 0 100", "curve 10 101 20 102 30 103",
                          "curve 40 104 50 105 0 100"}));
  // 3k + 1 points: open, with no segment wrapping back through the first
  // points.
  const sObject four = MakeObject({IndexedShape(kComplexShape, 4)});
  EXPECT_EQ(BuildCalls(ctx, four, 0),
              (Calls{"move 0 100", "move 0 100", "curve 10 101 20 102 30 103"}));
}

TEST(ShapeGeometry, CurvesLinesAndPanPositions) {
  EditorContext ctx;
  CanvasView view;
  view.PanX = 5;
  view.PanY = -7;
  sShape curve = IndexedShape(kCurve, 4);
  curve.X = 1;
  curve.Y = 2;
  curve.Close = 1;
  sShape line = IndexedShape(kLine, 1);
  const sObject object = MakeObject({curve, line});
  EXPECT_EQ(BuildCalls(ctx, object, 0, view),
            (Calls{"move 6 95", "curve 16 96 26 97 36 98", "close"}));
  EXPECT_EQ(BuildCalls(ctx, object, 1, view), (Calls{"move 5 93", "line 5 93"}));
}

TEST(ShapeGeometry, TextIgnoresTheFirstPointAndFallsBackToTheDefaultFace) {
  EditorContext ctx;
  sShape text = MakeShape(kText, 30, 40, 24, 0);
  text.Pt[0] = sPoint{5, 5, 0, 0};
  text.Text = "Hi";
  text.Font = 7;  // names no loaded font
  sShape styled = text;
  styled.Font = ctx.Fonts.Load("Liberation Sans", 12, kFontBold);
  const sObject object = MakeObject({text, styled});
  EXPECT_EQ(BuildCalls(ctx, object, 0),
              (Calls{"move 35 45", "move 30 40", "font Times New roman 0 24", "text Hi"}));
  EXPECT_EQ(BuildCalls(ctx, object, 1),
              (Calls{"move 35 45", "move 30 40", "font Liberation Sans 256 24", "text Hi"}));
}

TEST(ShapeGeometry, ImageDrawsOnlyWhenLoaded) {
  EditorContext ctx;
  sShape image = MakeShape(kImage, 10, 20, 64, 32);
  image.Alpha = 200;
  image.Image = ctx.Pictures.Add(QImage(4, 4, QImage::Format_ARGB32_Premultiplied));
  sShape missing = image;
  missing.Image = 99;
  const sObject object = MakeObject({image, missing});
  EXPECT_EQ(BuildCalls(ctx, object, 0), (Calls{"move 10 20", "move 10 20", "image 200 64 32"}));
  EXPECT_EQ(BuildCalls(ctx, object, 1), (Calls{"move 10 20", "move 10 20"}));
}

TEST(ShapeEffects, ScaledBoxAndCircleFromTheBasePlusFirstPoint) {
  EditorContext ctx;
  CanvasView view;
  view.PanX = 1;
  sShape box = MakeShape(kBox, 10, 20, 40, 20);
  box.Pt[0] = sPoint{3, 4, 0, 0};
  box.Fx = {MakeFx(100, 50, 200, 1, test::kOpaqueBlue, kLineStyle)};
  sShape circle = MakeShape(kCircle, 0, 0, 10, 6);
  circle.Fx = {MakeFx(0, 0, 50, 0, test::kOpaqueBlue, kDash)};
  sObject object = MakeObject({box, circle});
  object.X = 1000;
  object.Y = 2000;
  // 1 + 100 + 10 + 1000 + 3 = 1114; 0 + 50 + 20 + 2000 + 4 = 2074.
  EXPECT_EQ(FxCalls(ctx, object, 0, 1, view),
            (Calls{"move 1114 2074", "box 1114 2074 80 40", "stroke 1"}));
  EXPECT_TRUE(FxCalls(ctx, object, 0, 0, view).empty()) << "depth 1 effect is not below";
  EXPECT_EQ(FxCalls(ctx, object, 1, 0, view),
            (Calls{"move 1001 2000", "ellipse 1001 2000 5 3", "dash 1 1"}));
}

TEST(ShapeEffects, OnlyActiveEffectsOfDepthZeroAndOneInListOrder) {
  EditorContext ctx;
  sShape box = MakeShape(kBox, 0, 0, 10, 10);
  box.Fx = {MakeFx(1, 0, 100, 0, 0), MakeFx(2, 0, 100, 2, 0), MakeFx(3, 0, 100, 3, 0),
            MakeFx(4, 0, 100, 0, 0, kDot), MakeFx(5, 0, 100, 0, 0, 9)};
  box.Fx[0].Actif = 0;
  const sObject object = MakeObject({box});
  EXPECT_EQ(FxCalls(ctx, object, 0, 0),
              (Calls{"move 4 0", "box 4 0 10 10", "dot 1 1", "move 5 0", "box 5 0 10 10"}));
  EXPECT_TRUE(FxCalls(ctx, object, 0, 2).empty());
  EXPECT_TRUE(FxCalls(ctx, object, 0, 3).empty());
}

TEST(ShapeEffects, ScaledComplexChainClosesOnItsStart) {
  EditorContext ctx;
  sShape shape = MakePointShape(kComplexShape, {{7, 3}, {20, 0}, {30, 10}, {40, 40},
                                                 {20, 50}, {0, 30}});
  shape.Fx = {MakeFx(0, 0, 150, 0, 0)};
  const sObject object = MakeObject({shape});
  test::RecordingSurface surface;
  DrawShapeFx(ctx, CanvasView{}, surface, object, 0, shape.Fx[0]);
  // Follow the relative curves: every point lands on base + p0 + s (q - p0).
  double cx = 0, cy = 0;
  std::vector<std::pair<double, double>> ends;
  for (const std::string& call : surface.calls) {
    double v[6];
    if (std::sscanf(call.c_str(), "move %lf %lf", &v[0], &v[1]) == 2) {
      cx = v[0];
      cy = v[1];
    } else if (std::sscanf(call.c_str(), "curve rel %lf %lf %lf %lf %lf %lf", &v[0], &v[1],
                           &v[2], &v[3], &v[4], &v[5]) == 6) {
      EXPECT_NEAR(cx + v[0], 7 + 1.5 * (20 - 7), 1e-4);  // only the first segment's a
      cx += v[4];
      cy += v[5];
      ends.push_back({cx, cy});
      break;
    }
  }
  ASSERT_EQ(ends.size(), 1u);
  EXPECT_NEAR(ends[0].first, 7 + 1.5 * (40 - 7), 1e-4);
  EXPECT_NEAR(ends[0].second, 3 + 1.5 * (40 - 3), 1e-4);
  ASSERT_EQ(surface.calls.size(), 5u);
  EXPECT_EQ(surface.calls[4], "fill");
  double last[6];
  ASSERT_EQ(std::sscanf(surface.calls[3].c_str(), "curve rel %lf %lf %lf %lf %lf %lf", &last[0],
                        &last[1], &last[2], &last[3], &last[4], &last[5]),
            6);
  EXPECT_DOUBLE_EQ(cx + last[4], 7) << "the chain ends exactly on its first point";
  EXPECT_DOUBLE_EQ(cy + last[5], 3);
  EXPECT_NEAR(cx + last[0], 7 + 1.5 * (20 - 7), 1e-4);
  EXPECT_NEAR(cy + last[3], 3 + 1.5 * (30 - 3), 1e-4);
}

TEST(ShapeEffects, LinkedShapeKeepsItsEffectPathForTheNextPaint) {
  EditorContext ctx;
  sShape first = MakeShape(kBox, 0, 0, 10, 10);
  first.Link = 1;
  first.Fx = {MakeFx(0, 0, 100, 0, 0)};
  sShape last = first;
  const sObject object = MakeObject({first, last});
  EXPECT_EQ(FxCalls(ctx, object, 0, 0), (Calls{"move 0 0", "box 0 0 10 10"}));
  EXPECT_EQ(FxCalls(ctx, object, 1, 0), (Calls{"move 0 0", "box 0 0 10 10", "fill"}))
      << "a linked last shape paints with its own settings";
}

// Pixel facts of whole shapes drawn as the export draws them, on a
// transparent image.
class ShapePixels : public ::testing::Test {
 protected:
  EditorContext ctx;
  QImage image = test::MakeCanvas(200, 150);
  void Draw(std::vector<sShape> shapes) {
    ctx.Obj = {MakeObject(std::move(shapes))};
    PainterSurface surface(image);
    ASSERT_TRUE(surface.BeginSurface());
    DrawSceneForExport(ctx, surface);
    surface.EndSurface();
  }
  int AlphaAt(int x, int y) const { return image.pixelColor(x, y).alpha(); }
  bool Blank() const {
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (AlphaAt(x, y) != 0) return false;
    return true;
  }
};

TEST_F(ShapePixels, RoundBoxAndOnePointLineDrawNothing) {
  sShape round = MakeShape(kRoundBox, 10, 10, 50, 50);
  round.Fx = {MakeFx(5, 5, 100, 0, test::kOpaqueBlue), MakeFx(5, 5, 100, 1, test::kOpaqueBlue)};
  sShape line = MakePointShape(kLine, {{100, 100}}, test::kOpaqueRed, kLineStyle);
  line.Width = 10;
  Draw({round, line});
  EXPECT_TRUE(Blank());
}

TEST_F(ShapePixels, EffectAtScale200OutlinesTwiceTheBox) {
  sShape box = MakeShape(kBox, 10, 10, 40, 20, test::kOpaqueRed);
  box.Pt[0] = sPoint{5, 5, 0, 0};
  box.Fx = {MakeFx(50, 60, 200, 0, test::kOpaqueBlue)};
  Draw({box});
  // Effect box from (65, 75), 80 x 40, under the shape at (15, 15).
  EXPECT_EQ(image.pixelColor(66, 76), QColor(0, 0, 255));
  EXPECT_EQ(image.pixelColor(144, 114), QColor(0, 0, 255));
  EXPECT_EQ(AlphaAt(146, 100), 0);
  EXPECT_EQ(AlphaAt(100, 116), 0);
  EXPECT_EQ(image.pixelColor(20, 20), QColor(255, 0, 0));
}

TEST_F(ShapePixels, EffectsBelowAndAboveTheShape) {
  sShape box = MakeShape(kBox, 10, 10, 40, 40, test::kOpaqueRed);
  box.Fx = {MakeFx(10, 10, 100, 0, test::kOpaqueBlue), MakeFx(-5, -5, 100, 1, test::kOpaqueGreen)};
  Draw({box});
  EXPECT_EQ(image.pixelColor(55, 55), QColor(0, 0, 255)) << "below, where the shape is not";
  EXPECT_EQ(image.pixelColor(47, 47), QColor(255, 0, 0)) << "the shape over the lower effect";
  EXPECT_EQ(image.pixelColor(30, 30), QColor(0, 255, 0)) << "the upper effect over the shape";
}

TEST_F(ShapePixels, CustomStyleLeavesItsPathToTheNextPaint) {
  sShape custom = MakeShape(kBox, 10, 10, 60, 60, test::kOpaqueRed, kCustom);
  sShape next = MakeShape(kBox, 40, 40, 60, 60, test::kOpaqueBlue);
  Draw({custom, next});
  EXPECT_EQ(image.pixelColor(20, 20), QColor(0, 0, 255)) << "painted in the next colour";
  EXPECT_EQ(image.pixelColor(90, 90), QColor(0, 0, 255));
  EXPECT_EQ(AlphaAt(55, 55), 0) << "the overlap is an even-odd hole";
}

TEST_F(ShapePixels, ClosedCurveFillsAndOpenLineStrokesWithRoundEnds) {
  sShape curve = MakePointShape(kCurve, {{10, 100}, {10, 40}, {90, 40}, {90, 100}});
  curve.Close = 1;
  sShape line = MakePointShape(kLine, {{120, 20}, {180, 20}}, test::kOpaqueBlue, kLineStyle);
  line.Width = 10;
  Draw({curve, line});
  EXPECT_EQ(AlphaAt(50, 80), 255);
  EXPECT_EQ(AlphaAt(50, 110), 0);
  EXPECT_EQ(image.pixelColor(150, 23), QColor(0, 0, 255));
  EXPECT_EQ(AlphaAt(117, 20), 255) << "round end reaches half the width past the point";
  EXPECT_EQ(AlphaAt(150, 27), 0);
}

// An outer and an inner square in one chain: the inner one is a hole, and
// the jumps between them leave no ink, neither in the shape's stroke nor in
// its scaled effect.
TEST_F(ShapePixels, FiguresOfOneChainMakeHolesAndJumpWithoutInk) {
  auto square = [](int64_t x, int64_t y, int64_t side) {
    ChainFigure figure{{x, y}};
    const sPoint corners[] = {{x + side, y}, {x + side, y + side}, {x, y + side}, {x, y}};
    sPoint from = figure.front();
    for (const sPoint& to : corners) {
      AppendStraightSegment(figure, from, to);
      from = to;
    }
    return figure;
  };
  sShape filled = MakeShape(kComplexShape, 0, 0, 0, 0, test::kOpaqueRed);
  filled.Pt = ChainOfFigures({square(10, 10, 80), square(30, 30, 40)});
  sShape stroked = filled;
  stroked.X = 100;
  stroked.Style = kLineStyle;
  stroked.Width = 2;
  stroked.Fx = {MakeFx(0, 0, 50, 1, test::kOpaqueBlue, kLineStyle)};
  stroked.Fx[0].Width = 2;
  Draw({filled, stroked});
  EXPECT_EQ(AlphaAt(20, 20), 255);
  EXPECT_EQ(AlphaAt(50, 50), 0) << "the inner figure is a hole";
  EXPECT_EQ(AlphaAt(125, 25), 0) << "no ink on the jump from (10, 10) to (30, 30)";
  EXPECT_EQ(AlphaAt(115, 15), 0);
  EXPECT_EQ(AlphaAt(110, 50), 255);
  EXPECT_EQ(AlphaAt(130, 50), 255);
  // The effect at 50 % about (110, 10): outer square to (150, 50), inner from
  // (120, 20) to (140, 40); its jump would cross (115, 15) too.
  EXPECT_EQ(image.pixelColor(149, 30), QColor(0, 0, 255));
  EXPECT_EQ(image.pixelColor(139, 30), QColor(0, 0, 255));
}

}  // namespace
}  // namespace tavisk
