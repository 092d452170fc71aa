// The canvas keeps its scene layer between redraws; every redraw must equal
// a redraw from nothing, pixel for pixel.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>

#include "render/canvas_renderer.h"
#include "render/renderer.h"
#include "render_fixtures.h"

namespace tavisk {
namespace {

using test::MakeFx;
using test::MakeObject;
using test::MakePointShape;
using test::MakeShape;

bool SamePixels(const QImage& a, const QImage& b) {
  if (a.size() != b.size() || a.format() != b.format()) return false;
  for (int y = 0; y < a.height(); ++y) {
    if (std::memcmp(a.constScanLine(y), b.constScanLine(y), static_cast<size_t>(a.width()) * 4) !=
        0) {
      return false;
    }
  }
  return true;
}

class CanvasCacheTest : public ::testing::Test {
 protected:
  EditorContext ctx;
  CanvasView view;
  CanvasRenderer kept;
  QImage canvas = test::MakeCanvas(320, 240);

  void SetUp() override {
    sShape box = MakeShape(kBox, 20, 20, 80, 60, RGBA(200, 40, 40, 180));
    box.Fx = {MakeFx(8, 8, 100, 0, RGBA(0, 0, 0, 90)), MakeFx(0, 0, 120, 1, RGBA(0, 0, 255, 255), kDash)};
    box.Fx[1].Width = 3;
    box.Fx[1].Height = 6;
    sShape circle = MakeShape(kCircle, 120, 90, 50, 30, RGBA(40, 200, 40, 150), kDot);
    circle.Width = 6;
    circle.Dist = 10;
    sShape text = MakeShape(kText, 60, 120, 48, 0, RGBA(250, 250, 0, 255));
    text.Text = "Tav";
    sShape curve = MakePointShape(kCurve, {{150, 20}, {200, 0}, {260, 60}, {300, 30}},
                                  RGBA(0, 0, 0, 255), kLineStyle);
    curve.Width = 4;
    sShape linked = MakeShape(kBox, 200, 150, 60, 60, RGBA(0, 100, 200, 200));
    linked.Link = 1;
    sShape complex = MakePointShape(kComplexShape, {{230, 170}, {280, 150}, {300, 220},
                                                     {240, 230}, {200, 220}, {210, 180}},
                                    RGBA(120, 0, 120, 200));
    complex.Fx = {MakeFx(-10, 5, 80, 0, RGBA(255, 128, 0, 255), kLineStyle)};
    sShape image = MakeShape(kImage, 10, 160, 50, 40);
    QImage picture(5, 4, QImage::Format_ARGB32_Premultiplied);
    picture.fill(QColor(0, 200, 200));
    picture.setPixelColor(2, 2, QColor(255, 0, 0));
    image.Image = ctx.Pictures.Add(picture);
    image.Alpha = 160;
    // Its figures join the paint of the text that follows.
    sShape custom = MakeShape(kCircle, 90, 150, 30, 30, RGBA(0, 0, 0, 255), kCustom);
    test::PrepareEditor(ctx,
                        {MakeObject({box, circle, custom, text, curve, linked, complex, image})});
    ctx.Options.BgImg = 1;
    ctx.Options.HideAncre = 0;
    ctx.Options.ShowSelection = 1;
    ctx.Options.ShowGrid = 1;
    ctx.Options.GridW = 40;
    ctx.Options.GridH = 40;
    ctx.CurrentShape = 0;
  }

  // Applies edit, redraws with the kept renderer and with a fresh one, and
  // compares; answers the area the kept renderer repainted.
  int64_t EditAndCompare(const std::function<void()>& edit, const char* what) {
    edit();
    EditorContext copy = ctx;
    CanvasView copiedView = view;
    kept.Redraw(ctx, view, canvas);
    QImage full = test::MakeCanvas(canvas.width(), canvas.height());
    CanvasRenderer fresh;
    fresh.Redraw(copy, copiedView, full);
    EXPECT_TRUE(SamePixels(canvas, full)) << "after " << what;
    return kept.Below().LastRepaintedArea() + kept.Above().LastRepaintedArea();
  }
  sShape& Shape(int j) { return ctx.Obj[0].Shape[static_cast<size_t>(j)]; }
};

TEST_F(CanvasCacheTest, KeptLayerMatchesAFullRedrawAfterEdits) {
  const int64_t whole = int64_t{canvas.width()} * canvas.height();
  EXPECT_EQ(EditAndCompare([] {}, "first redraw"), 2 * whole) << "both layers";
  EXPECT_EQ(EditAndCompare([] {}, "no change"), 0);
  for (int step = 0; step < 5; ++step) {
    EXPECT_EQ(EditAndCompare([&] { Shape(0).X += 7; Shape(0).Y += 3; }, "dragging the current box"),
              0)
        << "the dragged shape is drawn between the kept layers";
  }
  for (int step = 0; step < 3; ++step) {
    const int64_t area = EditAndCompare([&] { Shape(1).X -= 10; }, "moving an unselected circle");
    EXPECT_GT(area, 0);
    EXPECT_LT(area, whole / 2) << "only around the moved circle";
  }
  EditAndCompare([&] { Shape(2).X += 25; }, "moving a custom-style circle joined to the text");
  EditAndCompare([&] { Shape(3).Text = "Tavisk"; }, "changing the text it joins");
  EditAndCompare([&] { Shape(2).Style = kFilled; }, "giving the custom shape its own paint");
  EditAndCompare([&] { Shape(3).Font = ctx.Fonts.Load("Liberation Sans", 20, kFontItalic); },
                 "changing the text's font");
  EditAndCompare([&] { Shape(4).Pt[2].X += 15; }, "moving a curve point");
  EditAndCompare([&] { Shape(5).X += 20; }, "moving a linked box");
  EditAndCompare([&] { Shape(6).Fx[0].Scale = 130; }, "scaling an effect");
  EditAndCompare([&] { Shape(7).X += 11; Shape(7).W += 9; }, "moving and scaling an image");
  EditAndCompare([&] { Shape(0).Color = RGBA(10, 10, 10, 60); }, "recolouring");
  EditAndCompare([&] { ctx.Obj[0].Shape.push_back(MakeShape(kBox, 90, 60, 30, 30)); },
                 "adding a shape");
  EditAndCompare([&] { ctx.Obj[0].Shape.erase(ctx.Obj[0].Shape.begin() + 1); },
                 "deleting a shape");
  EditAndCompare([&] { Shape(2).Hide = 1; }, "hiding the text");
  EditAndCompare([&] { ctx.Pictures.Replace(Shape(6).Image, QImage()); }, "emptying a picture");
  EditAndCompare([&] { view.PanX += 13; }, "panning");
  EditAndCompare([&] { ctx.Options.Zoom = 150; }, "zooming");
  EditAndCompare([&] { ctx.Obj[0].Angle = 20; ctx.Obj[0].W = 80; }, "rotating the object");
  EditAndCompare([&] { ctx.Options.BgColor = RGBA(0, 0, 0, 255); }, "changing the background");
  EditAndCompare([&] { ctx.CurrentShape = 3; Shape(0).Selected = 1; }, "changing the selection");
}

TEST_F(CanvasCacheTest, SelectionSplitDiffersFromOnePassByRoundingOnly) {
  ctx.Options.ShowSelection = 0;
  ctx.Options.HideAncre = 1;
  ctx.Options.ShowGrid = 0;
  ctx.CurrentShape = -1;
  kept.Redraw(ctx, view, canvas);
  const QImage onePass = canvas.copy();
  ctx.CurrentShape = 1;  // the circle: every later paint goes to the layer above
  EditAndCompare([] {}, "selecting the circle");
  int worst = 0;
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      const QRgb a = onePass.pixel(x, y);
      const QRgb b = canvas.pixel(x, y);
      worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                        std::abs(qBlue(a) - qBlue(b))});
    }
  }
  EXPECT_LE(worst, 2) << "translucent paints above the selection round a little differently";
}

TEST_F(CanvasCacheTest, ResizedCanvasIsRedrawnWhole) {
  kept.Redraw(ctx, view, canvas);
  canvas = test::MakeCanvas(200, 300);
  EditAndCompare([] {}, "resizing");
}

}  // namespace
}  // namespace tavisk
