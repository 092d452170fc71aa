// The canvas keeps its scene in tiles between redraws; every redraw must
// equal a redraw from nothing, pixel for pixel, and a redraw from nothing
// must equal the scene painted straight, in one piece.
#include <gtest/gtest.h>

#include <QPainter>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <tuple>
#include <vector>

#include "render/canvas_renderer.h"
#include "render/painter_surface.h"
#include "render/scene_layer.h"
#include "render/shape_paint.h"
#include "render/renderer.h"
#include "render_fixtures.h"

namespace tavisk {
namespace {

using test::MakeFx;
using test::MakeObject;
using test::MakePointShape;
using test::MakeShape;
using test::MaxDifference;

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

// The scene without overlays, painted straight on the whole canvas with the
// pan added to the shapes (and its rounding to whole pixels), as one
// QPainter pass.
QImage PaintedStraight(const EditorContext& ctx, const CanvasView& view, QSize size) {
  QImage image = test::MakeCanvas(size.width(), size.height());
  {
    QPainter painter(&image);
    PaintBackdrop(painter, Backdrop{qRgba(Red(ctx.Options.BgColor), Green(ctx.Options.BgColor),
                                          Blue(ctx.Options.BgColor), Alpha(ctx.Options.BgColor)),
                                    ctx.Options.BgImg != 0},
                  size);
  }
  PainterSurface surface(image);
  surface.BeginSurface();
  for (const sObject& object : ctx.Obj) {
    if (object.Hide != 0) continue;
    ApplyCanvasTransform(ctx, view, surface);
    ApplyObjectTransform(surface, object);
    for (int64_t j = 0; j <= LastIndex(object.Shape); ++j) {
      const sShape& shape = object.Shape[static_cast<size_t>(j)];
      if (shape.Hide != 0) continue;
      DrawShapeFxLayer(ctx, view, surface, object, j, 0);
      BuildShapePath(ctx, view, surface, object, j);
      if (shape.Link == 0 || j == LastIndex(object.Shape)) PaintShapePath(surface, shape);
      DrawShapeFxLayer(ctx, view, surface, object, j, 1);
    }
  }
  surface.EndSurface();
  return image;
}

// Translucent paints above a dragged shape, kept as an image of their own,
// round a little differently than painted in one pass.
constexpr int kSplitRounding = 3;

// Each test runs with a renderer that finds edits itself and with one told
// of them (CanvasRenderer::TellOfEdits), which then records only the active
// shapes between notices.
class CanvasCacheTest : public ::testing::TestWithParam<bool> {
 protected:
  EditorContext ctx;
  CanvasView view;
  CanvasRenderer kept;
  QImage canvas = test::MakeCanvas(320, 240);

  bool Told() const { return GetParam(); }

  void SetUp() override {
    if (Told()) kept.TellOfEdits();
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

  // Applies edit, announces it, redraws with the kept renderer and with a
  // fresh one, and compares, allowing tolerance per channel; answers the
  // area the kept renderer repainted.
  int64_t EditAndCompare(const std::function<void()>& edit, const char* what, int tolerance = 0) {
    return GestureAndCompare(
        [&] {
          edit();
          kept.SceneEdited();
        },
        what, tolerance);
  }
  // The same for what a gesture changes before it ends: the view, the
  // selection, the active shapes. Nothing is announced.
  int64_t GestureAndCompare(const std::function<void()>& edit, const char* what,
                            int tolerance = 0) {
    edit();
    EditorContext copy = ctx;
    CanvasView copiedView = view;
    kept.Redraw(ctx, view, canvas);
    QImage full = test::MakeCanvas(canvas.width(), canvas.height());
    CanvasRenderer fresh;
    fresh.Redraw(copy, copiedView, full);
    if (tolerance == 0) {
      EXPECT_TRUE(SamePixels(canvas, full)) << "after " << what;
    } else {
      EXPECT_LE(MaxDifference(canvas, full), tolerance) << "after " << what;
    }
    return kept.Tiles().RepaintedArea();
  }
  // The editor idle after a drag: every tile painted exactly again.
  void Settle(const char* what) {
    while (kept.PaintAhead(ctx, view, true)) {
    }
    EXPECT_FALSE(kept.PaintAhead(ctx, view, true));
    EditAndCompare([] {}, what);
  }
  // Without the overlays, so that the frame is the scene alone.
  void HideOverlays() {
    ctx.Options.ShowSelection = 0;
    ctx.Options.HideAncre = 1;
    ctx.Options.ShowGrid = 0;
  }
  sShape& Shape(int j) { return ctx.Obj[0].Shape[static_cast<size_t>(j)]; }
};

TEST_P(CanvasCacheTest, KeptLayerMatchesAFullRedrawAfterEdits) {
  const int64_t whole = int64_t{canvas.width()} * canvas.height();
  EXPECT_GE(EditAndCompare([] {}, "first redraw"), whole) << "every tile over the canvas";
  EXPECT_EQ(GestureAndCompare([] {}, "no change"), 0);
  for (int step = 0; step < 5; ++step) {
    // The first step keeps the paints below and above the box in images of
    // their own; then only the dragged box is painted.
    const int64_t area = GestureAndCompare([&] { Shape(0).X += 7; Shape(0).Y += 3; },
                                           "dragging the current box", kSplitRounding);
    if (step == 0) {
      EXPECT_GT(area, 0);
    } else {
      EXPECT_EQ(area, 0);
    }
  }
  Settle("settling after the drag");
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
  EditAndCompare([&] { Shape(0).Color = RGBA(10, 10, 10, 60); }, "recolouring the current box",
                 kSplitRounding);
  Settle("settling after recolouring");
  EditAndCompare([&] { ctx.Obj[0].Shape.push_back(MakeShape(kBox, 90, 60, 30, 30)); },
                 "adding a shape");
  EditAndCompare([&] { ctx.Obj[0].Shape.erase(ctx.Obj[0].Shape.begin() + 1); },
                 "deleting a shape");
  EditAndCompare([&] { Shape(2).Hide = 1; }, "hiding the text");
  EditAndCompare([&] { ctx.Pictures.Replace(Shape(6).Image, QImage()); }, "emptying a picture");
  GestureAndCompare([&] { view.PanX += 13; }, "panning");
  GestureAndCompare([&] { ctx.Options.Zoom = 150; }, "zooming");
  EditAndCompare([&] { ctx.Obj[0].Angle = 20; ctx.Obj[0].W = 80; }, "rotating the object");
  GestureAndCompare([&] { ctx.Options.BgColor = RGBA(0, 0, 0, 255); }, "changing the background");
  GestureAndCompare([&] { ctx.CurrentShape = 3; Shape(0).Selected = 1; },
                    "changing the selection");
}

TEST_P(CanvasCacheTest, APressThatChangesTheSelectionRepaintsNoTile) {
  EditAndCompare([] {}, "first redraw");
  EXPECT_EQ(GestureAndCompare([&] { ctx.CurrentShape = 1; }, "selecting the circle"), 0);
  EXPECT_EQ(GestureAndCompare([&] { Shape(5).Selected = 1; Shape(6).Selected = 1; },
                              "adding two shapes to the selection"),
            0);
  EXPECT_EQ(
      GestureAndCompare([&] { ctx.CurrentShape = -1; Shape(5).Selected = 0; }, "deselecting"), 0);
  // Dragging the selection across the tile edge at x = 256 and back.
  for (int step = 0; step < 8; ++step) {
    GestureAndCompare(
        [&] { Shape(6).X = static_cast<int16_t>(Shape(6).X + (step < 4 ? 19 : -19)); },
        "dragging across a tile edge", kSplitRounding);
  }
  EditAndCompare([&] { Shape(1).X += 12; }, "moving a shape that is not dragged");
  Settle("settling after the drag");
  ctx.Options.ShowOnlySel = 1;
  GestureAndCompare([&] { ctx.CurrentShape = 4; }, "showing only the current curve");
}

TEST_P(CanvasCacheTest, PansAndZoomsMatchAFullRedraw) {
  ctx.Obj.push_back(MakeObject({MakeShape(kCircle, 500, 300, 40, 40, RGBA(0, 0, 200, 160), kDash),
                                MakeShape(kBox, -300, -200, 90, 50, RGBA(0, 120, 0, 200))}));
  ctx.Obj[1].Shape[0].Width = 5;
  ctx.Obj[1].Shape[0].Height = 7;
  EditAndCompare([] {}, "first redraw");
  const int64_t whole = int64_t{canvas.width()} * canvas.height();
  for (int step = 0; step < 6; ++step) {
    EXPECT_LT(GestureAndCompare([&] { view.PanX -= 3; view.PanY -= 2; }, "a small pan"), whole / 4)
        << "a pan paints at most what comes into view";
  }
  GestureAndCompare([&] { view.PanX = -250; view.PanY = -170; }, "panning to far shapes");
  GestureAndCompare([&] { view.PanX = 320; view.PanY = 230; }, "panning the other way");
  EditAndCompare([&] { ctx.Obj[1].Hide = 1; }, "hiding an object");
  EditAndCompare([&] { ctx.Obj[1].Hide = 0; view.PanX = 0; view.PanY = 0; }, "showing it");
  for (int zoom : {150, 75, 33, 100}) {
    GestureAndCompare([&] { ctx.Options.Zoom = static_cast<uint8_t>(zoom); }, "zooming");
    // At fractional zooms a pan step is a fraction of a pixel more or less
    // than whole pixels: the canvas still moves over the kept tiles.
    for (int step = 0; step < 4; ++step) {
      while (kept.PaintAhead(ctx, view, true)) {
      }
      EXPECT_EQ(GestureAndCompare([&] { view.PanX += 1; view.PanY -= 3; }, "panning at a zoom"), 0)
          << "a pan at zoom " << zoom << " into tiles painted ahead paints nothing";
    }
  }
  EditAndCompare([&] { ctx.Obj[0].Angle = 30; ctx.Obj[0].W = 70; }, "rotating and scaling");
  GestureAndCompare([&] { view.PanX += 9; }, "panning a rotated object");
  EditAndCompare([&] { ctx.Options.BgImg = 0; }, "dropping the checker");
  GestureAndCompare([&] { view.PanX -= 40; }, "panning over a plain background");
}

// Tiles at the canvas's edges are painted only where the canvas shows them
// until the editor is idle; a pan paints what comes into view.
TEST_P(CanvasCacheTest, TilesAtTheEdgesArePaintedWhereShown) {
  Shape(7).Hide = 1;  // a picture cut by a clip is painted whole
  const int64_t whole = int64_t{canvas.width()} * canvas.height();
  EXPECT_EQ(EditAndCompare([] {}, "first redraw"), whole);
  EXPECT_EQ(GestureAndCompare([&] { view.PanX -= 5; }, "a pan"), 5 * canvas.height());
  EXPECT_EQ(GestureAndCompare([&] { view.PanX += 5; view.PanY -= 4; }, "and back up"),
            4 * canvas.width());
  while (kept.PaintAhead(ctx, view, true)) {
  }
  EXPECT_EQ(GestureAndCompare([&] { view.PanX -= 40; view.PanY += 30; }, "into tiles painted ahead"),
            0);
  EditAndCompare([&] { Shape(7).Hide = 0; }, "the picture shown");
  GestureAndCompare([&] { view.PanY -= 100; view.PanX += 70; }, "a pan cutting the picture");
}

TEST_P(CanvasCacheTest, TilesPaintedAheadServeTheNextPan) {
  ctx.Options.BgImg = 0;
  EditAndCompare([] {}, "first redraw");
  int rounds = 0;
  while (kept.PaintAhead(ctx, view, true)) ++rounds;
  EXPECT_GT(rounds, 0) << "tiles around the canvas were left to paint";
  EXPECT_FALSE(kept.PaintAhead(ctx, view, true));
  EXPECT_EQ(EditAndCompare([&] { view.PanX += 100; view.PanY += 80; }, "panning into them"), 0);
  EXPECT_EQ(EditAndCompare([&] { view.PanX -= 200; view.PanY -= 160; }, "and the other way"), 0);
}

// Tile edges sit at multiples of 256 device pixels of the pan-free space:
// shapes across them, and pans that move them across, must show no seam.
TEST_P(CanvasCacheTest, AFullRedrawEqualsTheScenePaintedStraight) {
  HideOverlays();
  canvas = test::MakeCanvas(600, 560);
  sShape dotted = MakeShape(kCircle, 256, 256, 70, 50, RGBA(200, 0, 0, 140), kDot);
  dotted.Width = 5;
  dotted.Dist = 9;
  sShape dashed = MakePointShape(kCurve, {{180, 230}, {300, 200}, {330, 320}, {270, 300}},
                                 RGBA(0, 0, 120, 255), kDash);
  dashed.Width = 3;
  dashed.Height = 8;
  sShape text = MakeShape(kText, 230, 400, 40, 0, RGBA(0, 90, 0, 220));
  text.Text = "seams";
  sShape image = MakeShape(kImage, 240, 470, 40, 40);
  QImage picture = test::MakeCanvas(4, 4);
  picture.fill(QColor(200, 0, 200, 255));
  picture.setPixelColor(1, 2, QColor(0, 0, 0, 128));
  image.Image = ctx.Pictures.Add(picture);
  image.Alpha = 200;
  sShape shadowed = MakeShape(kBox, 500, 230, 30, 40, RGBA(90, 90, 0, 255));
  shadowed.Fx = {MakeFx(14, 12, 150, 0, RGBA(0, 0, 0, 120))};
  // A sharp mitred corner whose tip reaches twice the pen width past its
  // point, across the tile edge at 256.
  sShape spike = MakePointShape(kLine, {{100, 150}, {233, 160}, {100, 170}}, RGBA(0, 0, 0, 255), kDash);
  spike.Width = 20;
  spike.Height = 400;
  ctx.Obj.push_back(MakeObject({dotted, dashed, text, image, shadowed, spike}));
  for (const auto& [panX, panY, zoom, checker] :
       std::vector<std::tuple<int, int, int, int>>{
           {0, 0, 100, 1}, {-7, 5, 100, 0}, {3, -1, 150, 1}, {-20, 11, 67, 0}}) {
    view.PanX = static_cast<int16_t>(panX);
    view.PanY = static_cast<int16_t>(panY);
    ctx.Options.Zoom = static_cast<uint8_t>(zoom);
    ctx.Options.BgImg = checker;
    EditAndCompare([] {}, "moving the tile edges");
    const int worst = MaxDifference(canvas, PaintedStraight(ctx, view, canvas.size()));
    EXPECT_LE(worst, checker != 0 ? 3 : 1)
        << "pan " << panX << "," << panY << " zoom " << zoom
        << (checker != 0 ? ": shapes laid over the checker round a little differently" : "");
  }
}

// The canvas records its paints for the tiles around it only. A figure a
// custom-style shape, a linked shape or a custom effect leaves for a later
// paint may lie far outside them while that paint shows on the canvas:
// pans that bring the figures in must show what one straight paint shows.
TEST_P(CanvasCacheTest, FiguresLeftFarFromTheCanvasPaintAsTheStraightPaintDoes) {
  HideOverlays();
  ctx.Options.BgImg = 0;
  sShape farCircle = MakeShape(kCircle, 1100, 100, 40, 30, RGBA(0, 0, 0, 255), kCustom);
  sShape dashed = MakePointShape(kCurve, {{600, 120}, {700, 60}, {820, 200}, {900, 160}},
                                 RGBA(0, 0, 150, 255), kDash);
  dashed.Width = 3;
  dashed.Height = 7;
  sShape farBox = MakeShape(kBox, -700, 100, 50, 50, RGBA(0, 0, 0, 255), kCustom);
  sShape dotted = MakeShape(kCircle, 260, 200, 60, 40, RGBA(150, 0, 0, 160), kDot);
  dotted.Width = 5;
  dotted.Dist = 4;
  // Taken by the effect drawn below the box that follows.
  sShape farBelow = MakeShape(kCircle, 200, 900, 30, 30, RGBA(0, 0, 0, 255), kCustom);
  sShape effected = MakeShape(kBox, 150, 150, 60, 40, RGBA(0, 150, 0, 200));
  effected.Fx = {MakeFx(5, 5, 100, 0, RGBA(200, 100, 0, 255), kLineStyle)};
  effected.Fx[0].Width = 6;
  sShape linkedFar = MakeShape(kBox, 1500, 300, 80, 80, RGBA(0, 0, 0, 255));
  linkedFar.Link = 1;
  sShape linkedNear = MakeShape(kBox, 100, 60, 70, 50, RGBA(0, 0, 0, 255));
  linkedNear.Link = 1;
  sShape linkedLast = MakeShape(kBox, 120, 80, 70, 50, RGBA(90, 0, 90, 220));
  // Its custom effect's figure joins the wide stroke after it.
  sShape farEffect = MakeShape(kBox, 1200, -400, 30, 30, RGBA(0, 90, 90, 255));
  farEffect.Fx = {MakeFx(0, 0, 150, 1, RGBA(0, 0, 0, 255), kCustom)};
  sShape wide = MakePointShape(kLine, {{100, 480}, {300, 560}, {180, 600}}, RGBA(0, 120, 120, 255),
                               kLineStyle);
  wide.Width = 8;
  // A pen wider than the tiles kept around the canvas strokes a far figure
  // onto it.
  sShape farLine = MakePointShape(kLine, {{-1100, 60}, {-1100, 160}}, RGBA(0, 0, 0, 255), kCustom);
  sShape broad =
      MakePointShape(kLine, {{2000, 100}, {2100, 160}}, RGBA(60, 60, 200, 120), kLineStyle);
  broad.Width = 2400;
  // Kept tiles below the canvas, joined to a box on it.
  sShape belowCanvas = MakeShape(kCircle, 200, 430, 20, 20, RGBA(0, 0, 0, 255), kCustom);
  sShape joining = MakeShape(kBox, 40, 40, 50, 40, RGBA(150, 150, 0, 200));
  ctx.Obj.push_back(MakeObject({farCircle, dashed, farBox, dotted, farBelow, effected, linkedFar,
                                linkedNear, linkedLast, farEffect, wide, belowCanvas, joining}));
  ctx.Obj.push_back(MakeObject({farLine, broad}));
  auto compareWithStraight = [&](const char* what) {
    EditAndCompare([] {}, what);
    EXPECT_LE(MaxDifference(canvas, PaintedStraight(ctx, view, canvas.size())), 1)
        << what << " at pan " << view.PanX << "," << view.PanY;
  };
  compareWithStraight("first redraw");
  while (kept.PaintAhead(ctx, view, true)) {
  }
  EXPECT_EQ(EditAndCompare([&] { ctx.Obj[1].Shape[4].X += 40; }, "moving a far custom circle"), 0)
      << "a figure that cannot show changes no tile";
  EXPECT_EQ(EditAndCompare([&] { ctx.Obj[1].Shape[11].X += 30; }, "moving a figure below the canvas"),
            0)
      << "the box it joins is repainted only around the figure, not on the canvas";
  for (const auto& [panX, panY] : std::vector<std::pair<int, int>>{
           {-37, -29}, {-300, 0}, {-500, -100}, {-700, -300}, {-900, -40}, {500, 0}, {-1300, -150},
           {-1150, 250}, {-60, -380}}) {
    while (kept.PaintAhead(ctx, view, true)) {
    }
    view.PanX = static_cast<int16_t>(panX);
    view.PanY = static_cast<int16_t>(panY);
    compareWithStraight("panning");
  }
  ctx.Obj[1].Angle = 25;
  ctx.Obj[1].W = 140;
  ctx.Options.Zoom = 67;
  for (int step = 0; step < 4; ++step) {
    view.PanX = static_cast<int16_t>(view.PanX + 170);
    compareWithStraight("panning a scaled, turned object");
  }
}

// Texts and pictures far from the canvas are passed over by their bounds;
// these reach into it from far away.
TEST_P(CanvasCacheTest, TextsAndPicturesReachingInFromFarAreDrawn) {
  HideOverlays();
  ctx.Options.BgImg = 0;
  sShape longText = MakeShape(kText, -2600, 30, 24, 0, RGBA(0, 0, 0, 255));
  for (int i = 0; i < 50; ++i) longText.Text += "Tavisk ";
  sShape italic = MakeShape(kText, -2400, 90, 40, 0, RGBA(0, 60, 0, 255));
  italic.Font = ctx.Fonts.Load("Liberation Serif", 40, kFontItalic | kFontBold);
  italic.Text = std::string(120, 'W');
  sShape echoed = MakeShape(kText, -1200, 150, 30, 0, RGBA(0, 0, 120, 255), kLineStyle);
  echoed.Text = "echo";
  echoed.Fx = {MakeFx(1250, 10, 100, 1, RGBA(200, 0, 0, 255))};
  QImage wide = test::MakeCanvas(600, 80);
  wide.fill(QColor(0, 150, 150));
  sShape natural = MakeShape(kImage, -560, 160, 0, 0);
  natural.Image = ctx.Pictures.Add(wide);
  natural.Alpha = 255;
  sShape framed = MakeShape(kImage, -1000, 200, 20, 15);
  framed.Image = natural.Image;
  framed.Alpha = 255;
  framed.Fx = {MakeFx(1040, 0, 200, 0, RGBA(120, 0, 120, 255))};
  ctx.Obj.push_back(MakeObject({longText, italic, echoed, natural, framed}));
  for (const auto& [panX, panY] : std::vector<std::pair<int, int>>{{0, 0}, {-20, 10}, {300, -15}}) {
    view.PanX = static_cast<int16_t>(panX);
    view.PanY = static_cast<int16_t>(panY);
    EditAndCompare([] {}, "a pan");
    EXPECT_LE(MaxDifference(canvas, PaintedStraight(ctx, view, canvas.size())), 1)
        << "pan " << panX << "," << panY;
  }
}

TEST_P(CanvasCacheTest, ResizedCanvasIsRedrawnWhole) {
  kept.Redraw(ctx, view, canvas);
  canvas = test::MakeCanvas(200, 300);
  EditAndCompare([] {}, "resizing");
}

// Told of edits, a redraw between notices records the active shapes alone,
// and only while the canvas stays over what was recorded.
TEST_P(CanvasCacheTest, ToldRendererRecordsOnlyWhatAGestureChanges) {
  if (!Told()) GTEST_SKIP() << "only a told renderer trusts the notices";
  const int64_t shown = static_cast<int64_t>(ctx.Obj[0].Shape.size());
  EditAndCompare([] {}, "first redraw");
  EXPECT_EQ(kept.RecordedShapes(), shown);
  GestureAndCompare([&] { view.PanX -= 3; }, "a small pan");
  EXPECT_EQ(kept.RecordedShapes(), 1) << "the current box alone";
  GestureAndCompare([&] { ctx.CurrentShape = -1; }, "deselecting");
  EXPECT_EQ(kept.RecordedShapes(), 1) << "the box that was current";
  GestureAndCompare([&] { view.PanY += 2; }, "a pan with nothing active");
  EXPECT_EQ(kept.RecordedShapes(), 0);
  GestureAndCompare([&] { ctx.CurrentShape = 1; Shape(7).Selected = 1; }, "selecting two");
  for (int step = 0; step < 4; ++step) {
    GestureAndCompare([&] { Shape(1).X += 40; Shape(7).Y -= 30; }, "dragging them", kSplitRounding);
    EXPECT_EQ(kept.RecordedShapes(), 2);
  }
  EditAndCompare([&] { Shape(4).Pt[1].Y += 9; }, "an announced edit");
  EXPECT_EQ(kept.RecordedShapes(), shown);
  GestureAndCompare([&] { view.PanX += 2000; }, "a pan beyond what was recorded");
  GestureAndCompare([&] { view.PanX -= 2000; }, "and back");
  EXPECT_GE(kept.RecordedShapes(), 2);
  // The linked box and the custom circle share their figures with the next
  // shape: a gesture that changes one records its chain again, one that
  // leaves them as they were recorded records nothing.
  GestureAndCompare([&] { ctx.CurrentShape = 5; Shape(1).Selected = Shape(7).Selected = 0; },
                    "selecting the linked box alone");
  GestureAndCompare([&] { view.PanX -= 7; }, "a pan with it selected");
  EXPECT_EQ(kept.RecordedShapes(), 0);
  GestureAndCompare([&] { Shape(5).X += 6; }, "dragging it", kSplitRounding);
  EXPECT_EQ(kept.RecordedShapes(), 2) << "the linked box and the shape that paints it";
  GestureAndCompare([&] { Shape(2).Selected = 1; Shape(3).Selected = 1; }, "selecting two more");
  GestureAndCompare([&] { view.PanY += 5; }, "a pan with them selected");
  EXPECT_EQ(kept.RecordedShapes(), 0);
  GestureAndCompare([&] { Shape(3).Y += 4; Shape(5).X -= 30; }, "dragging two chains",
                    kSplitRounding);
  EXPECT_EQ(kept.RecordedShapes(), 4);
  GestureAndCompare([&] { view.PanY += 5; }, "a pan after it");
  EXPECT_EQ(kept.RecordedShapes(), 0);
  GestureAndCompare([&] { Shape(2).Selected = 0; Shape(2).X -= 5; }, "moving the circle as it is let go",
                    kSplitRounding);
  EXPECT_EQ(kept.RecordedShapes(), 2);
  // A layer whose last shape leaves its figures to the next layer's first.
  sShape leaving = MakeShape(kCircle, 150, 60, 30, 30, RGBA(0, 0, 0, 255), kCustom);
  ctx.Obj.push_back(MakeObject({MakeShape(kBox, 40, 160, 30, 30, RGBA(0, 0, 90, 255)), leaving}));
  ctx.Obj.push_back(MakeObject({MakeShape(kBox, 170, 70, 50, 40, RGBA(200, 100, 0, 220))}));
  EditAndCompare([] {}, "adding two layers");
  GestureAndCompare([&] { ctx.CurrentObject = 1; ctx.CurrentShape = 1; }, "selecting the circle");
  GestureAndCompare([&] { ctx.Obj[1].Shape[1].X += 20; }, "dragging it", kSplitRounding);
  EXPECT_GT(kept.RecordedShapes(), 4) << "everything, as its figures cross into the next layer";
}

// Idle, the told renderer records the scene ahead of the canvas and paints
// the tiles around it; figures are cut far beyond what is recorded, so the
// paints of shapes reaching across stay the same and their tiles stand.
TEST_P(CanvasCacheTest, PansFindTheSceneRecordedAndPaintedAhead) {
  if (!Told()) GTEST_SKIP() << "only a told renderer records while idle";
  HideOverlays();
  ctx.CurrentShape = -1;
  // One paint of figures from far left to far right, and a long text.
  std::vector<sShape> row;
  for (int k = 0; k < 12; ++k) {
    row.push_back(MakeShape(kBox, -1500 + 300 * k, 100 + 20 * (k % 3), 60, 40, RGBA(0, 90, 160, 200)));
    row.back().Link = 1;
  }
  row.push_back(MakeShape(kText, -1400, 40, 30, 0, RGBA(160, 0, 60, 255)));
  row.back().Text = std::string(600, 'W');
  ctx.Obj.push_back(MakeObject(row));
  // A shape a step: the recording is taken up again over and again.
  kept.SetRecordSlice(std::chrono::microseconds(0));
  auto steps = [&](int most) {
    int count = 0;
    while (count < most && kept.PaintAhead(ctx, view, true)) ++count;
    return count;
  };
  EditAndCompare([] {}, "first redraw");
  int taken = 0;
  for (int step = 0; step < 5; ++step) {
    taken += steps(1000);
    EXPECT_EQ(GestureAndCompare([&] { view.PanX -= 230; }, "a pan into what was made ready"), 0)
        << "step " << step;
    EXPECT_EQ(kept.RecordedShapes(), 0) << "step " << step;
  }
  EXPECT_GT(taken, 30) << "recordings of many shapes, a shape a step";
  steps(1000);
  EXPECT_EQ(GestureAndCompare([&] { view.PanX += 5 * 230; }, "panning back at once"), 0)
      << "the tiles left behind were kept as they were painted";
  EXPECT_GT(kept.RecordedShapes(), 0) << "the canvas left the recorded area";
  // Redraws and edits between the steps of a recording.
  GestureAndCompare([&] { view.PanX -= 200; }, "a pan");
  steps(3);
  GestureAndCompare([&] { view.PanX -= 60; view.PanY += 30; }, "a pan while it is recorded ahead");
  steps(3);
  EditAndCompare([&] { ctx.Obj[1].Shape[3].X += 25; }, "an edit while it is recorded ahead");
  steps(3);
  GestureAndCompare([&] { ctx.CurrentShape = 2; Shape(2).X -= 6; }, "a drag while it is recorded ahead",
                    kSplitRounding);
  steps(1000);
  GestureAndCompare([&] { view.PanX -= 230; }, "a pan after them", kSplitRounding);
}

// A rounded box adds no figure of its own: far from the canvas it is left
// out, and after a linked shape it still paints the figures left to it.
TEST_P(CanvasCacheTest, RoundedBoxesFarAwayAreLeftOut) {
  HideOverlays();
  ctx.Options.BgImg = 0;
  sShape linked = MakeShape(kBox, 200, 40, 60, 50, RGBA(200, 0, 90, 255));
  linked.Link = 1;
  ctx.Obj.push_back(MakeObject({MakeShape(kRoundBox, 9000, 9000, 50, 50), linked,
                                MakeShape(kRoundBox, 9000, -9000, 40, 40, RGBA(0, 90, 0, 255))}));
  EditAndCompare([] {}, "first redraw");
  EXPECT_EQ(kept.RecordedShapes(), static_cast<int64_t>(ctx.Obj[0].Shape.size()) + 2)
      << "the far rounded box is left out; the one after the linked box is not";
  EXPECT_LE(MaxDifference(canvas, PaintedStraight(ctx, view, canvas.size())), 1);
  EXPECT_EQ(canvas.pixelColor(230, 65), QColor(0, 90, 0))
      << "the linked box in the rounded box's colour";
}

INSTANTIATE_TEST_SUITE_P(Edits, CanvasCacheTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return info.param ? "Told" : "Found";
                         });

}  // namespace
}  // namespace tavisk
