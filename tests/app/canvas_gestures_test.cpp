// Gestures a user makes on the canvas that must leave the shape where the
// pointer says, whatever the events in between: snapped moves, added points,
// transforms of a shape picked by the press, quick clicks, presses that open
// a dialog, thin outlines and points of another selected shape.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <cmath>

#include "app/layer_list_widget.h"
#include "app/menu_table.h"
#include "document/numeric.h"
#include "edit/gadget_ids.h"
#include "editor_fixture.h"
#include "platform/png_writer.h"

namespace tavisk {
namespace {

class CanvasGesturesTest : public test::EditorTest {
 protected:
  // A curve whose four points (absolute, scene units) are given.
  void MakeCurve(int index, std::vector<sPoint> points) {
    MakeShape(kGadgetToolCurve, At(10, 10), At(10, 10));
    sShape& curve = shape(index);
    for (sPoint& point : points) {
      point.X -= curve.X;
      point.Y -= curve.Y;
    }
    curve.Pt = std::move(points);
  }

  // A press and a release with the given number of even steps in between.
  void DragInSteps(QPoint from, QPoint to, int steps) {
    QTest::mousePress(canvas(), Qt::LeftButton, {}, from);
    for (int i = 1; i <= steps; ++i) MoveHeld(from + (to - from) * i / steps);
    QTest::mouseRelease(canvas(), Qt::LeftButton, {}, to);
  }

  void DoubleClickSecondPress(QPoint at) {
    QTest::mousePress(canvas(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(canvas(), Qt::LeftButton, {}, at);
    QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(at), canvas()->mapToGlobal(QPointF(at)),
                       Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(canvas(), &second);
    QTest::mouseRelease(canvas(), Qt::LeftButton, {}, at);
  }

  // A click on the name of layer index in the layer list (last layer on top).
  void ChooseLayer(int index) {
    QWidget* list = session_->panels->Gadgets().Widget(kGadgetLayerList);
    ASSERT_NE(list, nullptr);
    const int row = static_cast<int>(LastIndex(ctx().Obj)) - index;
    QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(60, row * 25 + 12));
  }

  // The canvas pixel at drawing-area pixel (x, y) after the last redraw.
  QRgb Pixel(int x, int y) { return canvas()->Image().pixel(x, y); }
};

TEST_F(CanvasGesturesTest, SnappedMoveFollowsThePointerOnTheGridWhateverTheEventCount) {
  MakeShape(kGadgetToolBox, At(100, 100), At(150, 150));
  ctx().Options.Snap = 1;
  ctx().Options.SnapX = 32;
  ctx().Options.SnapY = 32;
  ClickTool(kGadgetToolMove);
  DragInSteps(At(120, 120), At(170, 170), 30);
  // (100, 100) moved by (50, 50) is (150, 150): on the grid of 32, (128, 128).
  EXPECT_EQ(shape(0).X, 128);
  EXPECT_EQ(shape(0).Y, 128);
  DragInSteps(At(140, 140), At(150, 200), 1);
  EXPECT_EQ(shape(0).X, 128);
  EXPECT_EQ(shape(0).Y, 160);
  // Ten pixels in thirty small steps move nothing off the grid.
  DragInSteps(At(140, 170), At(150, 180), 30);
  EXPECT_EQ(shape(0).X, 128);
  EXPECT_EQ(shape(0).Y, 160);
}

TEST_F(CanvasGesturesTest, AddedPointsSitUnderThePointerWithTheShapeMovedPannedAndZoomed) {
  MakeShape(kGadgetToolLine, At(100, 100), At(140, 100));
  shape(0).X = 300;
  shape(0).Y = 250;
  ctx().Options.Zoom = 200;
  ctx().View.PanX = 30;
  ctx().View.PanY = 10;
  ClickTool(kGadgetToolAddPoint);
  // Pixel (300, 240) at 200 % is (150, 120); less the pan, scene (120, 110).
  Drag(At(300, 240), At(300, 240));
  ASSERT_EQ(shape(0).Pt.size(), 3u);
  EXPECT_EQ(shape(0).X + shape(0).Pt[2].X, 120);
  EXPECT_EQ(shape(0).Y + shape(0).Pt[2].Y, 110);

  // A template shape placed away from the origin gets its points there too.
  ctx().Options.Zoom = 100;
  ctx().View.PanX = 0;
  ctx().View.PanY = 0;
  MakeCurve(1, {{200, 200, 0, 0}, {250, 200, 0, 0}, {250, 250, 0, 0}, {200, 250, 0, 0}});
  sShape& curve = shape(1);
  curve.X = 320;
  curve.Y = 260;
  for (sPoint& point : curve.Pt) {
    point.X -= 320 - 10;
    point.Y -= 260 - 10;
  }
  ClickTool(kGadgetToolAddPoint);
  Drag(At(400, 300), At(400, 300));
  ASSERT_EQ(curve.Pt.size(), 7u);
  EXPECT_EQ(curve.X + curve.Pt[4].X, 390);
  EXPECT_EQ(curve.X + curve.Pt[5].X, 400);
  EXPECT_EQ(curve.Y + curve.Pt[5].Y, 300);
  EXPECT_EQ(curve.X + curve.Pt[6].X, 410);
}

TEST_F(CanvasGesturesTest, ScaleAndRotateOfAShapePickedByThePressStartFromItsOwnState) {
  MakeCurve(0, {{100, 100, 0, 0}, {200, 100, 0, 0}, {200, 200, 0, 0}, {100, 200, 0, 0}});
  MakeCurve(1, {{300, 100, 0, 0}, {400, 100, 0, 0}, {400, 200, 0, 0}, {300, 200, 0, 0}});
  sShape& first = shape(0);
  sShape& second = shape(1);
  // An earlier gesture on the second curve leaves its own starts behind.
  ClickTool(kGadgetToolScale);
  Drag(At(350, 150), At(380, 150));
  ClickTool(kGadgetToolSelect);
  Drag(At(600, 500), At(600, 500));
  ASSERT_EQ(ctx().CurrentShape, 1);
  ASSERT_EQ(first.Selected, 0);

  const std::vector<sPoint> before = first.Pt;
  ClickTool(kGadgetToolScale);
  QTest::mousePress(canvas(), Qt::LeftButton, {}, At(150, 150));
  MoveHeld(At(150, 150));
  for (size_t k = 0; k < before.size(); ++k) {
    EXPECT_EQ(first.Pt[k].X, before[k].X) << k;
    EXPECT_EQ(first.Pt[k].Y, before[k].Y) << k;
  }
  MoveHeld(At(200, 150));  // +50: one and a half times, about point 0
  QTest::mouseRelease(canvas(), Qt::LeftButton, {}, At(200, 150));
  EXPECT_EQ(first.Pt[0].X, before[0].X);
  EXPECT_EQ(first.Pt[2].X - first.Pt[0].X, 150);
  EXPECT_EQ(first.Pt[2].Y - first.Pt[0].Y, 150);

  const std::vector<sPoint> scaled = first.Pt;
  ClickTool(kGadgetToolSelect);
  Drag(At(600, 500), At(600, 500));
  ClickTool(kGadgetToolRotate);
  QTest::mousePress(canvas(), Qt::LeftButton, {}, At(150, 150));
  MoveHeld(At(150, 150));
  EXPECT_EQ(first.Pt[2].X, scaled[2].X);
  MoveHeld(At(450, 150));  // 300 units: 30 degrees about (CX, CY)
  QTest::mouseRelease(canvas(), Qt::LeftButton, {}, At(450, 150));
  EXPECT_EQ(first.Angle, 30);
  const double c = std::cos(M_PI / 6);
  const double s = std::sin(M_PI / 6);
  const double d = static_cast<double>(scaled[2].X - first.CX);
  const double e = static_cast<double>(scaled[2].Y - first.CY);
  EXPECT_NEAR(static_cast<double>(first.Pt[2].X), first.CX + d * c - e * s, 1.0);
  EXPECT_NEAR(static_cast<double>(first.Pt[2].Y), first.CY + e * c + d * s, 1.0);
  EXPECT_EQ(second.Pt[0].X, 300) << "the other curve is not touched";
}

TEST_F(CanvasGesturesTest, OtherLayersStayDrawnAndPickableWhenOneLosesItsOnlyShape) {
  MakeShape(kGadgetToolBox, At(100, 100), At(200, 200));
  const QRgb boxInk = Pixel(150, 150);
  const QRgb background = Pixel(400, 400);
  ASSERT_NE(boxInk, background);

  ClickGadget(kGadgetObjectAdd);
  ASSERT_EQ(ctx().CurrentObject, 1);
  MakeShape(kGadgetToolBox, At(300, 300), At(350, 350));
  ClickGadget(kGadgetShapeDelete);
  ASSERT_EQ(ctx().Obj[1].HasShape, 0);
  EXPECT_EQ(Pixel(150, 150), boxInk) << "the first layer is still drawn";
  auto* name = qobject_cast<QLineEdit*>(session_->panels->Gadgets().Widget(kGadgetShapeName));
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->text(), QString()) << "the panel no longer shows the deleted box";
  EXPECT_FALSE(name->isEnabled());

  // Back to the first layer through the layer list: its box can be picked
  // and listed.
  ChooseLayer(0);
  ASSERT_EQ(ctx().CurrentObject, 0);
  ClickTool(kGadgetToolSelect);
  Drag(At(600, 500), At(600, 500));
  ASSERT_EQ(ctx().Obj[0].Shape[0].Selected, 0);
  Drag(At(150, 150), At(150, 150));
  EXPECT_EQ(ctx().CurrentShape, 0);
  EXPECT_EQ(ctx().Obj[0].Shape[0].Selected, 1);
  EXPECT_EQ(Pixel(150, 150), boxInk);
}

TEST_F(CanvasGesturesTest, TheSecondPressOfAQuickPairIsAPress) {
  MakeShape(kGadgetToolLine, At(10, 10), At(40, 40));
  ClickTool(kGadgetToolAddPoint);
  DoubleClickSecondPress(At(60, 70));
  EXPECT_EQ(shape(0).Pt.size(), 4u);

  ClickTool(kGadgetToolDeletePoint);
  const int64_t x = shape(0).X;
  const int64_t y = shape(0).Y;
  QPoint last(static_cast<int>(x + shape(0).Pt[3].X), static_cast<int>(y + shape(0).Pt[3].Y));
  QPoint third(static_cast<int>(x + shape(0).Pt[2].X), static_cast<int>(y + shape(0).Pt[2].Y));
  QTest::mouseClick(canvas(), Qt::LeftButton, {}, At(last.x(), last.y()));
  DoubleClickSecondPress(At(third.x(), third.y()));
  EXPECT_LT(shape(0).Pt.size(), 4u);
}

TEST_F(CanvasGesturesTest, AReleaseLostToADialogHoldsNoButton) {
  const std::string picture = "tiny.png";
  QImage image(8, 8, QImage::Format_ARGB32);
  image.fill(Qt::blue);
  ASSERT_TRUE(WritePng(picture, image));
  requesters_.FileAnswers.push_back(picture);
  ClickTool(kGadgetToolImage);
  // The file requester opened by the press took the release.
  QTest::mousePress(canvas(), Qt::LeftButton, {}, At(50, 50));
  ASSERT_EQ(shape(0).Typ, kImage);

  MakeShape(kGadgetToolBox, At(200, 200), At(260, 240));
  ASSERT_EQ(ctx().Obj[0].Shape.size(), 2u);
  EXPECT_EQ(shape(1).Typ, kBox);
  EXPECT_EQ(shape(1).W, 60);
  EXPECT_EQ(shape(1).H, 40);
  EXPECT_EQ(ctx().CurrentTool(), Tool::Move);

  // A press whose release went elsewhere does not carry the box along with
  // the next drag, made on empty canvas.
  QTest::mousePress(canvas(), Qt::LeftButton, {}, At(230, 220));
  Drag(At(600, 500), At(650, 550));
  EXPECT_EQ(shape(1).X, 200);
  EXPECT_EQ(shape(1).Y, 200);
}

TEST_F(CanvasGesturesTest, ThinOutlinesArePickedWithinAFewScreenPixelsAtAnyZoom) {
  MakeShape(kGadgetToolLine, At(100, 100), At(300, 100));
  MakeShape(kGadgetToolBox, At(400, 300), At(500, 400));
  ClickTool(kGadgetToolSelect);
  Drag(At(200, 103), At(200, 103));
  EXPECT_EQ(ctx().CurrentShape, 0) << "a click just beside the line picks it";
  EXPECT_EQ(shape(0).Selected, 1);
  Drag(At(200, 130), At(200, 130));
  EXPECT_EQ(shape(0).Selected, 0) << "far from it, nothing";

  ctx().Options.Zoom = 250;
  Drag(At(450, 253), At(450, 253));  // the line at 250 % runs along y = 250
  EXPECT_EQ(ctx().CurrentShape, 0);
  EXPECT_EQ(shape(0).Selected, 1);
}

TEST_F(CanvasGesturesTest, APictureIsPickedWhileAnotherShapeIsCurrent) {
  QImage image(40, 30, QImage::Format_ARGB32);
  image.fill(Qt::blue);
  ASSERT_TRUE(WritePng("photo.png", image));
  requesters_.FileAnswers.push_back("photo.png");
  MakeShape(kGadgetToolImage, At(300, 200), At(300, 200));
  MakeShape(kGadgetToolBox, At(50, 50), At(90, 90));
  ASSERT_EQ(ctx().CurrentShape, 1);
  ClickTool(kGadgetToolSelect);
  Drag(At(320, 215), At(320, 215));
  EXPECT_EQ(ctx().CurrentShape, 0);
  EXPECT_EQ(shape(0).Selected, 1);
  ClickTool(kGadgetToolMove);
  Drag(At(320, 215), At(330, 235));
  EXPECT_EQ(shape(0).X, 310);
  EXPECT_EQ(shape(0).Y, 220);
}

TEST_F(CanvasGesturesTest, PointToolsChangeTheSelectedShapeWhosePointWasHit) {
  MakeCurve(0, {{100, 100, 0, 0}, {150, 100, 0, 0}, {150, 150, 0, 0}, {100, 150, 0, 0}});
  MakeCurve(1, {{300, 100, 0, 0}, {350, 100, 0, 0}, {350, 150, 0, 0}, {300, 150, 0, 0}});
  sShape& first = shape(0);
  sShape& second = shape(1);
  ctx().CurrentShape = 1;
  first.Selected = 1;
  second.Selected = 1;
  const std::vector<sPoint> secondBefore = second.Pt;

  ClickTool(kGadgetToolMove);
  const int firstX = first.X;
  const int firstY = first.Y;
  Drag(At(150, 150), At(170, 180));  // point 2 of the first curve
  EXPECT_EQ(ctx().CurrentShape, 0);
  EXPECT_EQ(firstX + first.Pt[2].X, 170);
  EXPECT_EQ(firstY + first.Pt[2].Y, 180);
  for (size_t k = 0; k < secondBefore.size(); ++k) EXPECT_EQ(second.Pt[k].X, secondBefore[k].X);

  ctx().CurrentShape = 1;
  first.Selected = 1;
  ClickTool(kGadgetToolDeletePoint);
  Drag(At(100, 100), At(100, 100));  // the first curve's anchor 0
  EXPECT_EQ(first.Pt.size(), 1u);
  EXPECT_EQ(second.Pt.size(), 4u);
}

}  // namespace
}  // namespace tavisk

namespace tavisk {
namespace {

// Redraws that follow no press (a zoom, a menu command, a new window size)
// leave the selection alone, also with the Select tool.
TEST_F(CanvasGesturesTest, TheSelectionOutlivesRedrawsThatFollowNoPress) {
  MakeShape(kGadgetToolBox, At(100, 100), At(160, 160));
  MakeShape(kGadgetToolBox, At(300, 300), At(360, 360));
  ClickTool(kGadgetToolSelect);
  Menu(kMenuSelectAll);
  const auto allSelected = [this] {
    return ctx().Obj[0].Shape[0].Selected == 1 && ctx().Obj[0].Shape[1].Selected == 1;
  };
  EXPECT_TRUE(allSelected()) << "after Select All";
  Menu(kMenuZoomIn);
  EXPECT_TRUE(allSelected()) << "after a zoom step";
  Menu(kMenuShowGrid);
  EXPECT_TRUE(allSelected()) << "after a view option";
  session_->window->resize(session_->window->width() - 40, session_->window->height());
  EXPECT_TRUE(allSelected()) << "after a new window size";
  EXPECT_EQ(ctx().CurrentShape, 1);
}

}  // namespace
}  // namespace tavisk
