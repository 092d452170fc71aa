// Drives the real canvas widget with mouse and key events and reads the
// records the gestures leave.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

#include "app/canvas_widget.h"
#include "app/editor_session.h"
#include "edit/gadget_ids.h"
#include "app/toolbar.h"
#include "document/numeric.h"
#include "platform/scripted_requesters.h"
#include "support/temp_dir.h"
#include "editor_fixture.h"

namespace tavisk {
namespace {

class CanvasToolsTest : public test::EditorTest {};

TEST_F(CanvasToolsTest, BoxFollowsThePointerSignedThenToolReturnsToMove) {
  ClickTool(kGadgetToolBox);
  EXPECT_EQ(ctx().CurrentTool(), Tool::Box);
  Drag(At(100, 80), At(60, 50));
  EXPECT_EQ(shape(0).Name, "Box_0");
  EXPECT_EQ(shape(0).X, 100);
  EXPECT_EQ(shape(0).Y, 80);
  EXPECT_EQ(shape(0).W, -40);
  EXPECT_EQ(shape(0).H, -30);
  EXPECT_EQ(ctx().CurrentTool(), Tool::Move);
  auto* move = qobject_cast<QAbstractButton*>(
      ToolbarGadget(session_->window->Toolbar(), kGadgetToolMove));
  auto* box = qobject_cast<QAbstractButton*>(
      ToolbarGadget(session_->window->Toolbar(), kGadgetToolBox));
  EXPECT_TRUE(move->isChecked());
  EXPECT_FALSE(box->isChecked());
}

TEST_F(CanvasToolsTest, CirclesAndTextsKeepAWidthOfAtLeastOne) {
  ClickTool(kGadgetToolCircle);
  Drag(At(50, 50), At(50, 50));
  EXPECT_EQ(shape(0).Typ, kCircle);
  EXPECT_EQ(shape(0).W, 1);
  EXPECT_EQ(shape(0).H, 1);
  ClickTool(kGadgetToolText);
  Drag(At(200, 60), At(190, 60));
  EXPECT_EQ(shape(1).Typ, kText);
  EXPECT_EQ(shape(1).W, 10);
  EXPECT_EQ(shape(1).H, 0);
  ClickTool(kGadgetToolText);
  Drag(At(300, 60), At(300, 70));
  EXPECT_EQ(shape(2).W, 1);
}

TEST_F(CanvasToolsTest, CreationFollowsThePointerWhenPannedAndZoomed) {
  ctx().Options.Zoom = 200;
  ctx().View.PanX = 30;
  ctx().View.PanY = 10;
  ClickTool(kGadgetToolLine);
  Drag(At(200, 100), At(300, 140));
  // Pixel (300, 140) at 200 % is (150, 70); less the pan, (120, 60): the
  // end point sits under the pointer.
  ASSERT_EQ(shape(0).Pt.size(), 2u);
  EXPECT_EQ(shape(0).Pt[1].X, 120);
  EXPECT_EQ(shape(0).Pt[1].Y, 60);
}

TEST_F(CanvasToolsTest, RoundedBoxToolOnlyExplainsItself) {
  ClickTool(kGadgetToolRoundBox);
  ASSERT_EQ(requesters_.Messages.size(), 1u);
  EXPECT_EQ(requesters_.Messages[0].Title, "Info");
  EXPECT_EQ(requesters_.Messages[0].Text, "These tool doesn't work for the moment");
  Drag(At(10, 10), At(40, 40));
  EXPECT_EQ(ctx().Obj[0].HasShape, 0);
}

TEST_F(CanvasToolsTest, PointDragAtZoom200HitsWithinThreeUnitsAndMovesNeighbours) {
  ClickTool(kGadgetToolCurve);
  Drag(At(100, 100), At(100, 100));  // points (90,90) (95,95) (100,100) (105,105)
  sShape& curve = shape(0);
  ASSERT_EQ(curve.Pt.size(), 4u);
  ctx().Options.Zoom = 200;
  ctx().CurrentShape = 0;
  // Point 0 sits at pixel (180, 180); 6 pixels off is 3 units: still a hit.
  Drag(At(186, 174), At(206, 194));
  EXPECT_EQ(ctx().CurrentPoint, 0);
  EXPECT_EQ(curve.Pt[0].X, 103);
  EXPECT_EQ(curve.Pt[0].Y, 97);
  // The anchor moved by (13, 7); so did its control point. The curve is
  // open: its other end stays where it was.
  EXPECT_EQ(curve.Pt[1].X, 95 + 13);
  EXPECT_EQ(curve.Pt[1].Y, 95 + 7);
  EXPECT_EQ(curve.Pt[3].X, 105);
  EXPECT_EQ(curve.Pt[2].X, 100);

  // 8 pixels off (4 units) is no hit.
  Drag(At(206 + 8, 194), At(250, 250));
  EXPECT_EQ(ctx().CurrentPoint, -1);

  curve.Locked = 1;
  Drag(At(206, 194), At(300, 300));
  EXPECT_EQ(curve.Pt[0].X, 103);
}

TEST_F(CanvasToolsTest, SnappingTruncatesTowardZero) {
  ClickTool(kGadgetToolLine);
  Drag(At(10, 10), At(10, 10));
  ctx().Options.Snap = 1;
  ctx().Options.SnapX = 10;
  ctx().Options.SnapY = 10;
  ctx().CurrentShape = 0;
  ctx().View.PanX = 40;
  ctx().View.PanY = 40;
  // Point 0 at scene (10, 10) shows at pixel (50, 50).
  Drag(At(50, 50), At(67, 13));  // scene (27, -27)
  EXPECT_EQ(shape(0).Pt[0].X, 20);
  EXPECT_EQ(shape(0).Pt[0].Y, -20);
}

TEST_F(CanvasToolsTest, RotationCountsFromThePressNotPerEvent) {
  ClickTool(kGadgetToolCurve);
  Drag(At(100, 100), At(100, 100));
  sShape& curve = shape(0);
  curve.Pt = {{100, 100, 0, 0}, {300, 100, 0, 0}, {300, 300, 0, 0}, {100, 300, 0, 0}};
  ClickTool(kGadgetToolRotate);
  QTest::mousePress(canvas(), Qt::LeftButton, {}, At(200, 200));
  ASSERT_EQ(ctx().View.Drag, DragMode::Shapes) << "the press inside the curve picks it";
  for (int x : {300, 400, 500}) {
    MoveHeld(At(x, 200));
  }
  QTest::mouseRelease(canvas(), Qt::LeftButton, {}, At(500, 200));
  EXPECT_EQ(curve.Angle, 30);
  // 30 degrees about the pivot (0, 0), from the points at the press, once.
  const double c = std::cos(M_PI / 6);
  const double s = std::sin(M_PI / 6);
  EXPECT_EQ(curve.Pt[1].X, RoundInt(300 * c - 100 * s));
  EXPECT_EQ(curve.Pt[1].Y, RoundInt(100 * c + 300 * s));
}

TEST_F(CanvasToolsTest, ScalingKeepsPointZeroInPlace) {
  ClickTool(kGadgetToolCurve);
  Drag(At(100, 100), At(100, 100));
  sShape& curve = shape(0);
  curve.Pt = {{100, 100, 0, 0}, {300, 100, 0, 0}, {300, 300, 0, 0}, {100, 300, 0, 0}};
  ClickTool(kGadgetToolScale);
  Drag(At(200, 200), At(250, 200));
  EXPECT_EQ(curve.Pt[0].X, 100);
  EXPECT_EQ(curve.Pt[0].Y, 100);
  EXPECT_GT(curve.Pt[2].X, 300);
  EXPECT_GT(curve.Pt[2].Y, 300);
}

TEST_F(CanvasToolsTest, SpaceHeldPansAndReleasingItReturnsTheTools) {
  ClickTool(kGadgetToolBox);
  canvas()->setFocus();
  QTest::keyPress(canvas(), Qt::Key_Space);
  Drag(At(100, 100), At(130, 90));
  EXPECT_EQ(ctx().View.PanX, 30);
  EXPECT_EQ(ctx().View.PanY, -10);
  EXPECT_EQ(ctx().Obj[0].HasShape, 0);
  QTest::keyRelease(canvas(), Qt::Key_Space);
  Drag(At(100, 100), At(130, 90));
  EXPECT_EQ(ctx().Obj[0].HasShape, 1);
  EXPECT_EQ(shape(0).X, 70);
}

TEST_F(CanvasToolsTest, AddPointAppendsToTheCurrentLineOrCurve) {
  ClickTool(kGadgetToolLine);
  Drag(At(10, 10), At(40, 40));
  ClickTool(kGadgetToolAddPoint);
  Drag(At(60, 70), At(60, 70));
  ASSERT_EQ(shape(0).Pt.size(), 3u);
  EXPECT_EQ(shape(0).Pt[2].X, 60);
  ClickTool(kGadgetToolCurve);
  Drag(At(100, 100), At(100, 100));
  ClickTool(kGadgetToolAddPoint);
  Drag(At(150, 120), At(150, 120));
  ASSERT_EQ(shape(1).Pt.size(), 7u);
  EXPECT_EQ(shape(1).Pt[4].X, 140);
  EXPECT_EQ(shape(1).Pt[6].X, 160);
}

}  // namespace
}  // namespace tavisk

namespace tavisk {
namespace {

TEST_F(CanvasToolsTest, ClickPicksTheUpperShapeAndShiftAddsTheOtherForOneDrag) {
  ClickTool(kGadgetToolBox);
  Drag(At(100, 100), At(200, 200));
  ClickTool(kGadgetToolBox);
  Drag(At(150, 150), At(250, 250));
  ClickTool(kGadgetToolSelect);
  Drag(At(175, 175), At(175, 175));
  EXPECT_EQ(ctx().CurrentShape, 1);
  EXPECT_EQ(shape(1).Selected, 1);
  EXPECT_EQ(shape(0).Selected, 0);

  // Shift held: the lower shape is added, and the same drag moves both.
  ClickTool(kGadgetToolMove);
  canvas()->setFocus();
  QTest::keyPress(canvas(), Qt::Key_Shift);
  Drag(At(120, 120), At(130, 140), Qt::ShiftModifier);
  QTest::keyRelease(canvas(), Qt::Key_Shift);
  EXPECT_EQ(shape(0).Selected, 1);
  EXPECT_EQ(shape(1).Selected, 1);
  EXPECT_EQ(shape(0).X, 110);
  EXPECT_EQ(shape(0).Y, 120);
  EXPECT_EQ(shape(1).X, 160);
  EXPECT_EQ(shape(1).Y, 170);
}

}  // namespace
}  // namespace tavisk
