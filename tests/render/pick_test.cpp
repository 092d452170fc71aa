#include <gtest/gtest.h>

#include "edit/press_pick.h"
#include "render_fixtures.h"

namespace tavisk {
namespace {

using test::MakeObject;
using test::MakeShape;

// Two overlapping boxes in the current object; a third shape elsewhere. A
// click runs the pick through the geometry query, as the canvas tools do.
class PickTest : public ::testing::Test {
 protected:
  EditorContext ctx;
  CanvasView view;
  test::PickHooks hooks{ctx};
  void SetUp() override {
    ctx.Hooks = &hooks;
    test::PrepareEditor(ctx, {MakeObject({MakeShape(kBox, 10, 10, 60, 60),
                                          MakeShape(kBox, 40, 40, 60, 60),
                                          MakeShape(kBox, 150, 100, 20, 20)})});
  }
  sShape& Shape(int j) { return ctx.Obj[0].Shape[static_cast<size_t>(j)]; }
  void Click(int64_t x, int64_t y) { RunPick(ctx, view, x, y); }
  // A new press after the last one was released, with nothing current.
  void ClickAfresh(int64_t x, int64_t y) {
    view.Pick = PickState::Open;
    view.Drag = DragMode::None;
    ctx.CurrentShape = -1;
    Click(x, y);
  }
};

TEST_F(PickTest, UpperShapeWinsAndBecomesTheOnlySelection) {
  Shape(2).Selected = 1;
  Click(50, 50);
  EXPECT_EQ(ctx.CurrentShape, 1);
  EXPECT_EQ(Shape(0).Selected, 0);
  EXPECT_EQ(Shape(1).Selected, 1);
  EXPECT_EQ(Shape(2).Selected, 0);
  EXPECT_EQ(view.Pick, PickState::Settled) << "settled after the object loop";
  EXPECT_EQ(view.Drag, DragMode::Shapes);
  EXPECT_GE(hooks.shape_properties, 2) << "refreshed at the pick and when settling";
  // A later move while the drag goes on leaves the settled pick alone.
  Click(80, 80);
  EXPECT_EQ(ctx.CurrentShape, 1);
  EXPECT_EQ(view.Pick, PickState::Settled);
}

TEST_F(PickTest, ShiftAddsTheFirstHitAndLeavesTheRest) {
  Shape(2).Selected = 1;
  view.ShiftHeld = true;
  Click(50, 50);
  EXPECT_EQ(Shape(0).Selected, 1);
  EXPECT_EQ(Shape(1).Selected, 0) << "a shape drag stops later hits";
  EXPECT_EQ(Shape(2).Selected, 1);
  EXPECT_EQ(ctx.CurrentShape, -1);
  EXPECT_EQ(view.Drag, DragMode::Shapes);
}

TEST_F(PickTest, AStrokedOutlineIsHitBesideItAndAFilledAreaInside) {
  Shape(2).Style = 1;  // a line around (150, 100)-(170, 120)
  Click(167, 98);
  EXPECT_EQ(ctx.CurrentShape, 2) << "3 pixels outside the outline";
  ClickAfresh(160, 110);
  EXPECT_EQ(ctx.CurrentShape, 2) << "inside";
  ClickAfresh(160, 90);
  EXPECT_EQ(ctx.CurrentShape, -1) << "10 pixels off";
}

TEST_F(PickTest, SelectToolClickOnNothingClearsTheSelection) {
  view.SelectTool = true;
  Shape(0).Selected = 1;
  Shape(2).Selected = 1;
  view.ShiftHeld = true;  // even with Shift: nothing was hit
  Click(190, 5);
  EXPECT_EQ(Shape(0).Selected, 0);
  EXPECT_EQ(Shape(2).Selected, 0);
  EXPECT_EQ(view.Pick, PickState::Open);
}

TEST_F(PickTest, NoPickWhileCreatingOnHiddenOrOtherObjectsOrOncePressResolved) {
  view.CreateMode = true;
  Click(50, 50);
  EXPECT_EQ(ctx.CurrentShape, -1);
  view.CreateMode = false;
  view.Pick = PickState::Settled;
  Click(50, 50);
  EXPECT_EQ(ctx.CurrentShape, -1);
  view.Pick = PickState::Open;
  ctx.Obj[0].HasShape = 0;
  Click(50, 50);
  EXPECT_EQ(ctx.CurrentShape, -1) << "a layer holding only its placeholder";
  ctx.Obj[0].HasShape = 1;
  ctx.Obj[0].Hide = 1;
  Click(50, 50);
  EXPECT_EQ(ctx.CurrentShape, -1) << "a hidden layer";
  ctx.Obj[0].Hide = 0;
  ctx.Obj.push_back(MakeObject({MakeShape(kBox, 0, 0, 200, 150)}));
  ctx.CurrentObject = 1;
  Click(160, 110);
  EXPECT_EQ(ctx.CurrentShape, 0) << "only the current object's shapes are picked";
  EXPECT_EQ(Shape(2).Selected, 0);
}

TEST_F(PickTest, TextOnlyInsideLettersAndImagesInsideTheirRectangle) {
  sShape text = MakeShape(kText, 10, 10, 80, 0);
  text.Text = "O";
  sShape image = MakeShape(kImage, 120, 10, 60, 60);
  QImage picture(4, 4, QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::blue);
  image.Image = ctx.Pictures.Add(picture);
  ctx.Obj = {MakeObject({text, image})};
  Click(150, 40);
  EXPECT_EQ(ctx.CurrentShape, 1) << "a picture is hit where it is drawn";
  ClickAfresh(185, 40);
  EXPECT_EQ(ctx.CurrentShape, -1) << "beside it, nothing";
  // The O of an 80-pixel serif face: its counter is empty, its left stroke
  // is not.
  Click(10 + 30, 10 + 50);
  EXPECT_EQ(ctx.CurrentShape, -1) << "inside the counter";
  view.Pick = PickState::Open;
  view.Drag = DragMode::None;
  Click(10 + 8, 10 + 50);
  EXPECT_EQ(ctx.CurrentShape, 0);
}

TEST_F(PickTest, PickUsesTheObjectTransform) {
  ctx.Obj[0].W = 200;
  ctx.Obj[0].H = 200;
  ctx.Options.Zoom = 50;
  // The pointer is in the object's own units: (160, 110) lies in shape 2.
  Click(160, 110);
  EXPECT_EQ(ctx.CurrentShape, 2);
}

}  // namespace
}  // namespace tavisk
