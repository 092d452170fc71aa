#include "edit/shape_operations.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavisk {
namespace {

// A context whose current object holds count shapes "s0", "s1", ..., shape i
// at (10 i, 20 i) with points (i, 0) and (i, 1), its Id equal to its index.
class ShapeOperationsTest : public ::testing::Test {
 protected:
  void Make(int count) {
    sObject& object = ctx.Obj[0];
    object.Shape.clear();
    for (int i = 0; i < count; ++i) {
      sShape shape;
      shape.Name = "s" + std::to_string(i);
      shape.X = static_cast<int16_t>(10 * i);
      shape.Y = static_cast<int16_t>(20 * i);
      shape.W = 5;
      shape.H = 7;
      shape.Id = i;
      shape.Pt = {{i, 0, 0, 0}, {i, 1, 0, 0}};
      object.Shape.push_back(shape);
    }
    object.HasShape = 1;
    ctx.ObjReady = 1;
    ctx.CurrentShape = 0;
  }

  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const sShape& shape : ctx.Obj[0].Shape) names.push_back(shape.Name);
    return names;
  }

  sShape& Shape(size_t i) { return ctx.Obj[0].Shape[i]; }

  Editor ctx;
};

TEST_F(ShapeOperationsTest, UpAndDownMoveOnePlaceAndTheCurrentShapeFollows) {
  Make(3);
  ctx.CurrentShape = 1;
  MoveShapeUp(ctx);
  EXPECT_EQ(Names(), (std::vector<std::string>{"s1", "s0", "s2"}));
  EXPECT_EQ(ctx.CurrentShape, 0);

  MoveShapeDown(ctx);
  MoveShapeDown(ctx);
  EXPECT_EQ(Names(), (std::vector<std::string>{"s0", "s2", "s1"}));
  EXPECT_EQ(ctx.CurrentShape, 2);
}

TEST_F(ShapeOperationsTest, UpOnTheFirstAndDownOnTheLastDoNothing) {
  Make(3);
  ctx.CurrentShape = 0;
  MoveShapeUp(ctx);
  EXPECT_EQ(ctx.CurrentShape, 0);
  ctx.CurrentShape = 2;
  MoveShapeDown(ctx);
  EXPECT_EQ(ctx.CurrentShape, 2);
  ctx.CurrentShape = -1;
  MoveShapeDown(ctx);
  MoveShapeUp(ctx);
  EXPECT_EQ(Names(), (std::vector<std::string>{"s0", "s1", "s2"}));
}

TEST_F(ShapeOperationsTest, EqualOrStaleIdsStillMoveExactlyOnePlace) {
  Make(4);
  // What a paste and a deletion leave behind: a repeated key and a gap.
  Shape(0).Id = 0;
  Shape(1).Id = 3;
  Shape(2).Id = 3;
  Shape(3).Id = 1;
  ctx.CurrentShape = 1;
  MoveShapeDown(ctx);
  EXPECT_EQ(Names(), (std::vector<std::string>{"s0", "s2", "s1", "s3"}));
  EXPECT_EQ(ctx.CurrentShape, 2);
  MoveShapeUp(ctx);
  EXPECT_EQ(Names(), (std::vector<std::string>{"s0", "s1", "s2", "s3"}));
  EXPECT_EQ(ctx.CurrentShape, 1);
}

TEST_F(ShapeOperationsTest, CopyNamesTheClipAndPastedShapesLandMovedAndAloneSelected) {
  Make(3);
  ctx.CurrentShape = 1;
  CopyShape(ctx);
  EXPECT_EQ(ctx.Clipboard.Shape[0].Name, "Shape_3");
  EXPECT_EQ(Shape(1).Name, "s1");  // the original keeps its name

  Shape(0).Selected = 1;
  PasteShapes(ctx, {Shape(1), Shape(2)}, 40, -50);
  ASSERT_EQ(ctx.Obj[0].Shape.size(), 5u);
  EXPECT_EQ(Names(), (std::vector<std::string>{"s0", "s1", "s2", "s1", "s2"}));
  EXPECT_EQ(ctx.CurrentShape, 4);
  EXPECT_EQ(ctx.CurrentPoint, 0);
  EXPECT_EQ(Shape(3).X, 50);
  EXPECT_EQ(Shape(3).Y, -30);
  EXPECT_EQ(Shape(4).X, 60);
  EXPECT_EQ(Shape(4).Y, -10);
  EXPECT_EQ(Shape(4).Pt, Shape(2).Pt);  // points keep their place in the shape
  for (size_t i = 0; i < 5; ++i) EXPECT_EQ(Shape(i).Selected, i >= 3 ? 1 : 0) << i;
}

TEST_F(ShapeOperationsTest, PastingIntoAnEmptyObjectFillsItsPlaceholder) {
  Make(1);
  const sShape copy = Shape(0);
  ctx.Obj.emplace_back();  // a fresh object: HasShape 0, one placeholder
  ctx.CurrentObject = 1;
  ctx.ObjReady = -1;
  PasteShapes(ctx, {copy}, 3, 4);
  const sObject& object = ctx.Obj[1];
  ASSERT_EQ(object.Shape.size(), 1u);
  EXPECT_EQ(object.HasShape, 1);
  EXPECT_EQ(ctx.ObjReady, 1);
  EXPECT_EQ(ctx.CurrentShape, 0);
  EXPECT_EQ(object.Shape[0].Name, "s0");
  EXPECT_EQ(object.Shape[0].X, 3);
}

TEST_F(ShapeOperationsTest, PasteOverTakesEverythingFromTheClip) {
  Make(2);
  ctx.CurrentShape = 1;
  CopyShape(ctx);
  ctx.CurrentShape = 0;
  PasteToShape(ctx);
  EXPECT_EQ(Shape(0).Name, "Shape_2");
  EXPECT_EQ(Shape(0).X, 10);
  EXPECT_EQ(Shape(0).Y, 20);
  EXPECT_EQ(Shape(0).Pt[0].X, 1);

  ctx.CurrentShape = -1;
  ctx.Clipboard.Shape[0].Name = "changed";
  PasteToShape(ctx);
  CopyShape(ctx);
  EXPECT_EQ(Shape(0).Name, "Shape_2");
  EXPECT_EQ(ctx.Clipboard.Shape[0].Name, "changed");
}

TEST_F(ShapeOperationsTest, DeletingTheOnlyShapeEmptiesTheObject) {
  Make(1);
  Shape(0).Fx.resize(3);
  DeleteCurrentShape(ctx);
  EXPECT_EQ(ctx.CurrentShape, -1);
  EXPECT_EQ(ctx.Obj[0].HasShape, 0);
  EXPECT_EQ(ctx.ObjReady, -1);
  ASSERT_EQ(ctx.Obj[0].Shape.size(), 1u);
  // The placeholder carries nothing over into the next shape made in it.
  EXPECT_EQ(Shape(0).Name, "");
  EXPECT_EQ(Shape(0).Fx.size(), 1u);

  ctx.CurrentShape = 0;  // an empty object has nothing to delete
  DeleteCurrentShape(ctx);
  EXPECT_EQ(ctx.CurrentShape, 0);
  EXPECT_EQ(ctx.Obj[0].Shape.size(), 1u);
}

TEST_F(ShapeOperationsTest, DeletingShapeTwoOfFiveMakesShapeZeroCurrent) {
  Make(5);
  ctx.CurrentShape = 2;
  DeleteCurrentShape(ctx);
  EXPECT_EQ(Names(), (std::vector<std::string>{"s0", "s1", "s3", "s4"}));
  EXPECT_EQ(ctx.CurrentShape, 0);
  EXPECT_EQ(ctx.Obj[0].HasShape, 1);
  ctx.CurrentShape = -1;
  DeleteCurrentShape(ctx);
  EXPECT_EQ(ctx.Obj[0].Shape.size(), 4u);
}

TEST_F(ShapeOperationsTest, SelectAllHoldsShiftAndSetsTheDragStart) {
  Make(2);
  ctx.MouseX = 100;
  ctx.MouseY = 200;
  ctx.UseTool(Tool::Move);
  SelectAll(ctx);
  EXPECT_TRUE(ctx.View.ShiftHeld);
  for (size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(Shape(i).Selected, 1);
    EXPECT_EQ(Shape(i).StartX, 100 - Shape(i).X);
    EXPECT_EQ(Shape(i).StartY, 200 - Shape(i).Y);
  }

  ctx.UseTool(Tool::Scale);
  SelectAll(ctx);
  EXPECT_EQ(Shape(1).StartX, 100 - 5);
  EXPECT_EQ(Shape(1).StartY, 200 + 7);
}

TEST_F(ShapeOperationsTest, DeselectAllLeavesNoCurrentShape) {
  Make(3);
  SetAllSelected(ctx, 1);
  ctx.CurrentShape = 2;
  DeselectAll(ctx);
  for (size_t i = 0; i < 3; ++i) EXPECT_EQ(Shape(i).Selected, 0);
  EXPECT_EQ(ctx.CurrentShape, -1);
}

}  // namespace
}  // namespace tavisk
