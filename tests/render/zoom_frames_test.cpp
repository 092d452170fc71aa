// Frames painted away from the editing state: a redraw stopped part way, a
// frame painted on a pool thread from a snapshot, and the scaled copy shown
// until the sharp frame lands.
#include <gtest/gtest.h>

#include "render/canvas_renderer.h"
#include "render/frame_geometry.h"
#include "render/frame_job.h"
#include "render/scene_snapshot.h"
#include "render_fixtures.h"

namespace tavisk {
namespace {

using test::MakeFx;
using test::MakeObject;
using test::MakeShape;

class ZoomFramesTest : public ::testing::Test {
 protected:
  EditorContext ctx;
  CanvasView view;

  void SetUp() override {
    sShape red = MakeShape(kBox, 20, 20, 100, 80, RGBA(220, 30, 30, 255));
    red.Fx = {MakeFx(6, 6, 100, 0, RGBA(0, 0, 0, 120))};
    sShape blue = MakeShape(kBox, 160, 40, 80, 120, RGBA(30, 30, 220, 255));
    sShape ring = MakeShape(kCircle, 60, 130, 70, 50, RGBA(30, 200, 30, 160), kDot);
    ring.Width = 5;
    ring.Dist = 9;
    sShape text = MakeShape(kText, 180, 170, 40, 0, RGBA(250, 250, 0, 255));
    text.Text = "Zo";
    test::PrepareEditor(ctx, {MakeObject({red, blue, ring, text})});
    ctx.Options.HideAncre = 0;
    ctx.Options.ShowSelection = 1;
    ctx.CurrentShape = 1;
    ctx.Obj[0].Shape[1].Selected = 1;
  }

  // The scene alone, painted by a renderer that kept nothing.
  QImage FreshScene(EditorContext& state, CanvasView& at) {
    QImage image = test::MakeCanvas(320, 240);
    CanvasRenderer fresh;
    fresh.Redraw(state, at, image, RedrawOptions{.overlays = false, .stop = {}});
    return image;
  }
};

// A zoom cancelled after a few shapes leaves only whole shapes kept: the
// redraws that follow, with and without an edit, equal redraws from nothing.
TEST_F(ZoomFramesTest, ARedrawStoppedPartWayLeavesTheKeptRendererWhole) {
  CanvasRenderer kept;
  QImage canvas = test::MakeCanvas(320, 240);
  kept.Redraw(ctx, view, canvas);
  for (int shapesBeforeStop : {0, 1, 2, 3}) {
    ctx.Options.Zoom = static_cast<uint8_t>(110 + 20 * shapesBeforeStop);
    int asked = 0;
    const bool finished = kept.Redraw(
        ctx, view, canvas,
        RedrawOptions{.overlays = true, .stop = [&] { return asked++ == shapesBeforeStop; }});
    EXPECT_FALSE(finished) << "stopped after " << shapesBeforeStop;
    if (shapesBeforeStop % 2 == 1) ctx.Obj[0].Shape[0].X += 7;
    ASSERT_TRUE(kept.Redraw(ctx, view, canvas));
    QImage fresh = test::MakeCanvas(320, 240);
    CanvasRenderer nothingKept;
    nothingKept.Redraw(ctx, view, fresh);
    EXPECT_EQ(canvas, fresh) << "stopped after " << shapesBeforeStop;
  }
}

// The job paints the state of its snapshot: edits made to the editor while
// it paints are not in its frame.
TEST_F(ZoomFramesTest, AFrameJobPaintsItsSnapshotWhateverTheEditorDoesMeanwhile) {
  ctx.Options.Zoom = 150;
  CanvasView panned;
  panned.PanX = -12;
  panned.PanY = 9;
  EditorContext before = ctx;
  CanvasView beforeView = panned;
  FrameJob job(TakeSnapshot(ctx, panned), QSize(320, 240), nullptr);
  ctx.Obj[0].Shape[0].X = 90;
  ctx.Obj[0].Shape[1].Color = RGBA(0, 0, 0, 255);
  ctx.Obj[0].Shape.pop_back();
  ctx.Options.Zoom = 40;
  panned.PanX = 50;
  job.Wait();
  ASSERT_TRUE(job.Painted());
  EXPECT_EQ(job.Failure(), nullptr);
  EXPECT_EQ(job.Frame().convertToFormat(QImage::Format_ARGB32_Premultiplied),
            FreshScene(before, beforeView));
}

// The copy scaled from the last frame puts every shape where the sharp frame
// at the new zoom and pan puts it.
TEST_F(ZoomFramesTest, TheScaledCopyPutsShapesWhereTheSharpFrameDoes) {
  const QImage old = FreshScene(ctx, view);
  const FrameGeometry from = GeometryOf(ctx.Options, view);
  ctx.Options.Zoom = 175;
  CanvasView panned;
  panned.PanX = -15;
  panned.PanY = 4;
  const FrameGeometry to = GeometryOf(ctx.Options, panned);
  QImage copy = test::MakeCanvas(320, 240);
  ComposeScaledCopy(old, from, to, QColor(10, 20, 30), copy);
  const QImage sharp = FreshScene(ctx, panned);
  // Inside the red box, inside the blue one, and on the background, each
  // well away from an edge; scene points mapped as the sharp frame maps them.
  const int points[][2] = {{40, 35},   {100, 40}, {110, 90}, {170, 60},
                           {185, 120}, {145, 30}, {145, 120}};
  for (const auto& p : points) {
    const int x = static_cast<int>(to.zoom * (p[0] + to.pan_x));
    const int y = static_cast<int>(to.zoom * (p[1] + to.pan_y));
    ASSERT_TRUE(sharp.rect().contains(x, y)) << "scene " << p[0] << ", " << p[1];
    EXPECT_EQ(copy.pixelColor(x, y), sharp.pixelColor(x, y)) << "scene " << p[0] << ", " << p[1];
  }
  EXPECT_TRUE(test::IsColor(sharp, static_cast<int>(to.zoom * (40 + to.pan_x)),
                            static_cast<int>(to.zoom * (35 + to.pan_y)), 220, 30, 30));
}

}  // namespace
}  // namespace tavisk
