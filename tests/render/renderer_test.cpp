#include "render/renderer.h"

#include <gtest/gtest.h>

#include "render_fixtures.h"

namespace tavisk {
namespace {

using test::IsBackground;
using test::IsColor;
using test::MakeObject;
using test::MakeShape;

class RendererTest : public ::testing::Test {
 protected:
  EditorContext ctx;
  CanvasView view;
  QImage canvas = test::MakeCanvas(200, 150);
  void Redraw() {
    RedrawCanvas(ctx, view, canvas);
  }
  bool IsRed(int x, int y) const { return IsColor(canvas, x, y, 255, 0, 0); }
  bool IsBlue(int x, int y) const { return IsColor(canvas, x, y, 0, 0, 255); }
};

TEST_F(RendererTest, DrawsVisibleShapesOverTheBackground) {
  sShape hidden = MakeShape(kBox, 100, 10, 30, 30, test::kOpaqueBlue);
  hidden.Hide = 1;
  test::PrepareEditor(ctx, {MakeObject({MakeShape(kBox, 10, 10, 40, 40), hidden})});
  Redraw();
  EXPECT_TRUE(IsRed(30, 30));
  EXPECT_TRUE(IsBackground(canvas, 110, 20));
  EXPECT_TRUE(IsBackground(canvas, 190, 140));
}

TEST_F(RendererTest, ZoomScalesEverythingButBackgroundAndChecker) {
  test::PrepareEditor(ctx, {MakeObject({MakeShape(kBox, 40, 40, 80, 80)})});
  ctx.Options.Zoom = 50;
  ctx.Options.BgImg = 1;
  Redraw();
  EXPECT_TRUE(IsRed(21, 21));
  EXPECT_TRUE(IsRed(58, 58));
  EXPECT_FALSE(IsRed(62, 50));
  EXPECT_FALSE(IsRed(18, 30));
  // Checker cells stay 32 device pixels whatever the zoom.
  EXPECT_TRUE(IsColor(canvas, 70, 10, 120, 120, 120));
  EXPECT_TRUE(IsColor(canvas, 100, 10, 192, 192, 192));
}

TEST_F(RendererTest, CheckerRowsStartWithAlternateGreys) {
  test::PrepareEditor(ctx, {MakeObject({MakeShape(kRoundBox, 0, 0, 0, 0)})});
  ctx.Options.BgImg = 1;
  canvas = test::MakeCanvas(100, 70);
  Redraw();
  // ceil(100 / 32) = 4: columns 0..4 (the fifth lies past the edge), so
  // each row swaps five times and the next row starts with the other grey.
  const int grey[2] = {120, 192};
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 4; ++c) {
      const int g = grey[(r + c) % 2];
      EXPECT_TRUE(IsColor(canvas, c * 32 + 2, r * 32 + 4, g, g, g)) << "cell " << c << "," << r;
    }
  }
}

TEST_F(RendererTest, ShowOnlySelectedWithNoCurrentShapeDrawsNoShape) {
  test::PrepareEditor(ctx, {MakeObject({MakeShape(kBox, 10, 10, 40, 40),
                                        MakeShape(kBox, 100, 10, 40, 40, test::kOpaqueBlue)})});
  ctx.Options.ShowOnlySel = 1;
  Redraw();
  EXPECT_TRUE(IsBackground(canvas, 30, 30));
  EXPECT_TRUE(IsBackground(canvas, 120, 30));
  ctx.CurrentShape = 1;
  Redraw();
  EXPECT_TRUE(IsBackground(canvas, 30, 30));
  EXPECT_TRUE(IsBlue(120, 30));
}

TEST_F(RendererTest, LinkedShapesLeaveEvenOddHoles) {
  sShape first = MakeShape(kBox, 10, 10, 60, 60, test::kOpaqueBlue);
  first.Link = 1;
  sShape second = MakeShape(kBox, 40, 40, 60, 60);
  second.Link = 1;  // the last shape paints even when linked
  test::PrepareEditor(ctx, {MakeObject({first, second})});
  Redraw();
  EXPECT_TRUE(IsRed(20, 20)) << "painted once, in the second shape's colour";
  EXPECT_TRUE(IsRed(90, 90));
  EXPECT_TRUE(IsBackground(canvas, 55, 55));
}

TEST_F(RendererTest, EachObjectTransformStartsFromTheView) {
  sObject scaled = MakeObject({MakeShape(kBox, 10, 10, 20, 20, test::kOpaqueBlue)});
  scaled.W = 200;
  scaled.H = 200;
  scaled.X = 5;
  sObject plain = MakeObject({MakeShape(kBox, 120, 100, 20, 20)});
  test::PrepareEditor(ctx, {scaled, plain});
  Redraw();
  // Scale 2, then the offset in the scaled system: (10 + 5) * 2 = 30.
  EXPECT_TRUE(IsBlue(32, 22));
  EXPECT_TRUE(IsBlue(68, 58));
  EXPECT_FALSE(IsBlue(28, 30));
  EXPECT_TRUE(IsRed(121, 101)) << "the second layer is not scaled by the first";
  EXPECT_TRUE(IsRed(139, 119));
  EXPECT_TRUE(IsBackground(canvas, 141, 121));
}

TEST_F(RendererTest, ALayerHoldingOnlyItsPlaceholderIsNotDrawn) {
  test::PrepareEditor(ctx, {MakeObject({MakeShape(kBox, 0, 0, 100, 100)})});
  ctx.Obj[0].HasShape = 0;
  ctx.Options.ShowGrid = 1;
  ctx.Options.GridW = 50;
  ctx.Options.GridH = 50;
  ctx.Options.GridColor = test::kOpaqueGreen;
  ctx.Options.ShowCameraBorder = 1;
  ctx.Options.CameraX = 20;
  ctx.Options.CameraY = 20;
  ctx.Options.CameraW = 100;
  ctx.Options.CameraH = 100;
  Redraw();
  EXPECT_TRUE(IsBackground(canvas, 10, 10));
  EXPECT_TRUE(IsColor(canvas, 50, 25, 0, 255, 0)) << "grid line at x 50";
  EXPECT_TRUE(IsColor(canvas, 70, 120, 255, 120, 120)) << "camera frame bottom edge";
}

TEST_F(RendererTest, GridFollowsPanAndZeroCellSizeShowsNoGrid) {
  test::PrepareEditor(ctx, {MakeObject({MakeShape(kRoundBox, 0, 0, 0, 0)})});
  ctx.Options.ShowGrid = 1;
  ctx.Options.GridColor = test::kOpaqueGreen;
  ctx.Options.CameraW = 100;
  ctx.Options.CameraH = 60;
  ctx.Options.GridW = 25;
  ctx.Options.GridH = 30;
  view.PanX = 10;
  Redraw();
  EXPECT_TRUE(IsColor(canvas, 35, 20, 0, 255, 0));
  EXPECT_TRUE(IsColor(canvas, 110, 20, 0, 255, 0)) << "last column at the camera width";
  EXPECT_TRUE(IsColor(canvas, 50, 30, 0, 255, 0));
  EXPECT_TRUE(IsBackground(canvas, 30, 20));
  EXPECT_TRUE(IsBackground(canvas, 135, 20));
  ctx.Options.GridW = 0;
  Redraw();
  EXPECT_TRUE(IsBackground(canvas, 35, 20));
  EXPECT_TRUE(IsBackground(canvas, 50, 30));
  ctx.Options.GridW = 25;
  ctx.Options.GridH = 0;
  Redraw();
  EXPECT_TRUE(IsBackground(canvas, 50, 30));
}

TEST_F(RendererTest, NullOrEmptyCanvasDrawsNothing) {
  test::PrepareEditor(ctx, {MakeObject({MakeShape(kBox, 0, 0, 100, 100)})});
  QImage null;
  RedrawCanvas(ctx, view, null);
  QImage empty(0, 0, QImage::Format_ARGB32_Premultiplied);
  RedrawCanvas(ctx, view, empty);
  EXPECT_TRUE(null.isNull());
  EXPECT_TRUE(empty.isNull() || empty.size().isEmpty());
}

TEST_F(RendererTest, HandlesPivotAndSelectionOutlineOfTheCurrentShape) {
  sShape box = MakeShape(kBox, 50, 50, 60, 40, test::kOpaqueBlue);
  box.CX = 30;
  box.CY = 20;
  test::PrepareEditor(ctx, {MakeObject({box})});
  ctx.CurrentShape = 0;
  ctx.Options.HideAncre = 0;
  ctx.Options.ShowSelection = 1;
  ctx.Options.BgColor = RGBA(255, 255, 255, 255);
  Redraw();
  // Anchor square: red at alpha 100 over the box's blue.
  const QColor anchor = canvas.pixelColor(52, 52);
  EXPECT_GT(anchor.red(), 90);
  EXPECT_GT(anchor.blue(), 100);
  EXPECT_TRUE(IsBlue(58, 58)) << "the square is 10 x 10";
  const QColor pivot = canvas.pixelColor(80, 70);
  EXPECT_GT(pivot.green(), 90) << "cyan pivot marker at the shape centre";
  // The dashed outline along the top edge: dark dashes and gaps of 5.
  int dark = 0, light = 0;
  for (int x = 60; x < 110; ++x) {
    const QColor c = canvas.pixelColor(x, 50);
    (c.red() == 20 && c.blue() == 20 ? dark : light)++;
  }
  EXPECT_GT(dark, 15);
  EXPECT_GT(light, 15);
}

}  // namespace
}  // namespace tavisk
