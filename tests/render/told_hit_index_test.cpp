// A hit index told of edits keeps its paths between presses, yet still sees
// what a press may change before its pick, and everything after a notice.
#include <gtest/gtest.h>

#include "render/shape_hit_index.h"
#include "render_fixtures.h"

namespace tavisk {
namespace {

using test::MakeObject;
using test::MakeShape;

class ToldHitIndexTest : public ::testing::Test {
 protected:
  EditorContext ctx;
  ShapeHitIndex index{ShapeHitIndex::Edits::kTold};
  void SetUp() override {
    test::PrepareEditor(ctx, {MakeObject({MakeShape(kBox, 10, 10, 60, 60),
                                          MakeShape(kBox, 150, 100, 20, 20)})});
    ctx.CurrentShape = -1;
  }
  sShape& Shape(int j) { return ctx.Obj[0].Shape[static_cast<size_t>(j)]; }
  int64_t At(int64_t x, int64_t y) { return index.ShapeUnder(ctx, CanvasView{}, x, y, true); }
};

TEST_F(ToldHitIndexTest, TheShapesAPressActsOnAreCheckedWithoutANotice) {
  ASSERT_EQ(At(30, 30), 0);
  ASSERT_EQ(At(160, 110), 1);

  // The current shape changed under the press: its new outline is tested.
  ctx.CurrentShape = 0;
  Shape(0).X = 300;
  EXPECT_EQ(At(30, 30), -1);
  EXPECT_EQ(At(320, 30), 0);

  // So is a selected one.
  Shape(1).Selected = 1;
  Shape(1).X = 20;
  EXPECT_EQ(At(30, 110), 1);
  EXPECT_EQ(At(160, 110), -1);
}

TEST_F(ToldHitIndexTest, ANoticeAndTheShownShapesRenewThePaths) {
  ASSERT_EQ(At(160, 110), 1);
  Shape(1).X = 20;
  index.SceneEdited();
  EXPECT_EQ(At(30, 110), 1);
  EXPECT_EQ(At(160, 110), -1);

  // Showing only the current shape hides the others from the press.
  ctx.Options.ShowOnlySel = 1;
  ctx.CurrentShape = 0;
  EXPECT_EQ(At(30, 110), -1);
  ctx.CurrentShape = 1;
  EXPECT_EQ(At(30, 110), 1);
}

}  // namespace
}  // namespace tavisk
