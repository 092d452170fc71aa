#include "render/painter_surface.h"

#include <gtest/gtest.h>

#include "render_fixtures.h"

namespace tavisk {
namespace {

using test::At;
using test::MakeCanvas;

class PainterSurfaceTest : public ::testing::Test {
 protected:
  QImage image = MakeCanvas(200, 120);
  PainterSurface surface{image};
  void SetUp() override { ASSERT_TRUE(surface.BeginSurface()); }
  int AlphaAt(int x, int y) {
    surface.EndSurface();
    return At(image, x, y).alpha();
  }
};

TEST(PainterSurfaceStart, FailsOnNullOrEmptyImages) {
  QImage null;
  PainterSurface onNull(null);
  EXPECT_FALSE(onNull.BeginSurface());
  QImage empty(0, 10, QImage::Format_ARGB32_Premultiplied);
  PainterSurface onEmpty(empty);
  EXPECT_FALSE(onEmpty.BeginSurface());
  // Paints on a surface that never started change nothing and do not crash.
  onEmpty.AddPathBox(0, 0, 5, 5);
  onEmpty.FillPath();
}

TEST_F(PainterSurfaceTest, PathKeepsTheTransformOfEachPoint) {
  surface.ScaleTransform(2, 2);
  surface.AddPathBox(10, 10, 10, 10);  // device 20..40
  surface.ResetTransform();
  surface.AddPathBox(100, 10, 10, 10);  // device 100..110
  surface.VectorSourceColor(test::kOpaqueRed);
  surface.FillPath();
  surface.EndSurface();
  EXPECT_EQ(At(image, 35, 35).alpha(), 255);
  EXPECT_EQ(At(image, 45, 35).alpha(), 0);
  EXPECT_EQ(At(image, 105, 15).alpha(), 255);
  EXPECT_EQ(At(image, 115, 15).alpha(), 0);
}

TEST_F(PainterSurfaceTest, TransformsActInTheUserSystemInForce) {
  surface.TranslateTransform(50, 0);
  surface.ScaleTransform(2, 2);
  EXPECT_DOUBLE_EQ(surface.DeviceToUserX(70, 40), 10);
  EXPECT_DOUBLE_EQ(surface.DeviceToUserY(70, 40), 20);
  surface.ResetTransform();
  surface.RotateTransform(100, 50, 90);
  EXPECT_NEAR(surface.DeviceToUserX(100, 60), 110, 1e-9);
  EXPECT_NEAR(surface.DeviceToUserY(100, 60), 50, 1e-9);
}

TEST_F(PainterSurfaceTest, FillIsEvenOddAndEmptiesThePath) {
  surface.AddPathBox(10, 10, 60, 60);
  surface.AddPathBox(40, 40, 60, 60);
  surface.VectorSourceColor(test::kOpaqueRed);
  surface.FillPath();
  surface.VectorSourceColor(test::kOpaqueBlue);
  surface.FillPath();  // nothing left to paint
  surface.EndSurface();
  EXPECT_EQ(At(image, 20, 20), QColor(255, 0, 0));
  EXPECT_EQ(At(image, 90, 90), QColor(255, 0, 0));
  EXPECT_EQ(At(image, 55, 55).alpha(), 0) << "overlap of two figures is a hole";
}

TEST_F(PainterSurfaceTest, AlphaComesFromTheColourHighByte) {
  surface.AddPathBox(10, 10, 20, 20);
  surface.VectorSourceColor(RGBA(0, 255, 0, 128));
  surface.FillPath();
  EXPECT_EQ(AlphaAt(20, 20), 128);
}

TEST_F(PainterSurfaceTest, StrokeWidthIsInUserUnitsWhenPainted) {
  surface.MovePathCursor(10, 20);
  surface.AddPathSegment(60, 20);
  surface.ScaleTransform(3, 3);
  surface.StrokePath(2, false);  // 6 device pixels, centred on y = 20
  surface.EndSurface();
  EXPECT_EQ(At(image, 30, 18).alpha(), 255);
  EXPECT_EQ(At(image, 30, 22).alpha(), 255);
  EXPECT_EQ(At(image, 30, 24).alpha(), 0);
  EXPECT_EQ(At(image, 30, 15).alpha(), 0);
  EXPECT_EQ(At(image, 8, 20).alpha(), 0) << "flat ends stop at the end points";
}

TEST_F(PainterSurfaceTest, DashesAndGapsAreEachTheLength) {
  surface.MovePathCursor(0, 20);
  surface.AddPathSegment(200, 20);
  surface.VectorSourceColor(test::kOpaqueRed);
  surface.DashPath(4, 10);
  surface.EndSurface();
  for (int dash = 0; dash < 200; dash += 20) {
    EXPECT_EQ(At(image, dash + 5, 20).alpha(), 255) << "dash at " << dash;
    EXPECT_EQ(At(image, dash + 15, 20).alpha(), 0) << "gap after " << dash;
  }
}

TEST_F(PainterSurfaceTest, RoundDotsAreDiscsDistanceApart) {
  surface.MovePathCursor(10, 30);
  surface.AddPathSegment(190, 30);
  surface.VectorSourceColor(test::kOpaqueRed);
  surface.DotPath(8, 20, true);
  surface.EndSurface();
  for (int centre = 10; centre < 190; centre += 20) {
    EXPECT_EQ(At(image, centre, 30).alpha(), 255) << "dot at " << centre;
    EXPECT_EQ(At(image, centre, 35).alpha(), 0) << "disc of diameter 8 at " << centre;
  }
  EXPECT_EQ(At(image, 20, 30).alpha(), 0) << "space between dots";
}

TEST_F(PainterSurfaceTest, RelativeCallsStartFromTheCursor) {
  surface.MovePathCursor(20, 20);
  surface.MovePathCursor(10, 10, true);  // 30, 30
  surface.AddPathCircleArc(20, 0, 10, true);  // circle centred on 50, 30
  EXPECT_TRUE(surface.IsPointInPath(50, 30));
  EXPECT_FALSE(surface.IsPointInPath(30, 30));
  surface.FillPath();
  surface.MovePathCursor(100, 100);
  surface.AddPathCurve(0, -50, 50, -50, 50, 0, true);
  surface.CloseFigure();
  EXPECT_TRUE(surface.IsPointInPath(125, 80));
  EXPECT_FALSE(surface.IsPointInPath(125, 101));
}

TEST_F(PainterSurfaceTest, PointInPathTestsInUserUnitsAndKeepsThePath) {
  surface.ScaleTransform(0.5, 0.5);
  surface.AddPathBox(100, 100, 40, 40);
  EXPECT_TRUE(surface.IsPointInPath(120, 120));
  EXPECT_FALSE(surface.IsPointInPath(60, 60));
  EXPECT_TRUE(surface.IsPointInPath(120, 120)) << "the path stays";
  surface.ResetTransform();
  EXPECT_TRUE(surface.IsPointInPath(60, 60)) << "the path is in device space";
}

TEST_F(PainterSurfaceTest, ZeroRadiusEllipseHasNoArea) {
  surface.AddPathEllipse(50, 50, 0, 0);
  EXPECT_FALSE(surface.IsPointInPath(50, 50));
  surface.AddPathEllipse(50, 50, 20, 10);
  EXPECT_TRUE(surface.IsPointInPath(65, 50));
  EXPECT_FALSE(surface.IsPointInPath(50, 62));
}

TEST_F(PainterSurfaceTest, TextTopLeftSitsAtTheCursorAndMeasures) {
  surface.VectorFont("Times New roman", 0, 40);
  EXPECT_GT(surface.MeasureTextWidth("HHH"), surface.MeasureTextWidth("H"));
  EXPECT_NEAR(surface.MeasureTextHeight("H"), 46, 6);
  surface.MovePathCursor(20, 30);
  surface.AddPathText("O");
  // Inside the ring of the letter, not in its counter.
  const double w = surface.MeasureTextWidth("O");
  EXPECT_FALSE(surface.IsPointInPath(20 + w / 2, 30 + 26));
  surface.VectorSourceColor(test::kOpaqueRed);
  surface.FillPath();
  surface.EndSurface();
  int top = image.height(), left = image.width();
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (At(image, x, y).alpha() == 0) continue;
      top = std::min(top, y);
      left = std::min(left, x);
    }
  }
  EXPECT_GE(top, 30);
  EXPECT_LT(top, 30 + 16) << "a capital starts below the ascent line";
  EXPECT_GE(left, 20);
  EXPECT_LT(left, 26);
}

TEST_F(PainterSurfaceTest, ImageAtCursorScaledWithOpacity) {
  QImage picture(2, 2, QImage::Format_ARGB32_Premultiplied);
  picture.fill(QColor(0, 0, 255));
  surface.MovePathCursor(20, 10);
  surface.DrawImageAtCursor(picture, 255, 40, 30);
  surface.MovePathCursor(100, 10);
  surface.DrawImageAtCursor(picture, 128, 0, 0);  // natural size
  surface.EndSurface();
  EXPECT_EQ(At(image, 22, 12), QColor(0, 0, 255));
  EXPECT_EQ(At(image, 58, 38), QColor(0, 0, 255));
  EXPECT_EQ(At(image, 62, 20).alpha(), 0);
  EXPECT_NEAR(At(image, 100, 10).alpha(), 128, 1);
  EXPECT_EQ(At(image, 103, 10).alpha(), 0);
}

}  // namespace
}  // namespace tavisk
