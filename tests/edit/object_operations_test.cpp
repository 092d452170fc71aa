#include "edit/object_operations.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/scripted_requesters.h"

namespace tavisk {
namespace {

// count objects "o0", "o1", ... with Depth equal to their index.
class ObjectOperationsTest : public ::testing::Test {
 protected:
  void Make(int count) {
    ctx.Req = &req;
    ctx.Obj.clear();
    for (int i = 0; i < count; ++i) {
      sObject object;
      object.Name = "o" + std::to_string(i);
      object.Depth = static_cast<uint8_t>(i);
      ctx.Obj.push_back(object);
    }
    ctx.CurrentObject = 0;
  }

  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const sObject& object : ctx.Obj) names.push_back(object.Name);
    return names;
  }

  ScriptedRequesters req;
  EditorContext ctx;
};

TEST_F(ObjectOperationsTest, UpAndDownExchangeDepthAndTheCurrentObjectFollows) {
  Make(3);
  MoveObjectUp(ctx);
  EXPECT_EQ(Names(), (std::vector<std::string>{"o1", "o0", "o2"}));
  EXPECT_EQ(ctx.CurrentObject, 1);
  EXPECT_EQ(ctx.Obj[0].Depth, 0);
  EXPECT_EQ(ctx.Obj[1].Depth, 1);

  MoveObjectUp(ctx);
  EXPECT_EQ(Names(), (std::vector<std::string>{"o1", "o2", "o0"}));
  EXPECT_EQ(ctx.CurrentObject, 2);
  MoveObjectDown(ctx);
  EXPECT_EQ(Names(), (std::vector<std::string>{"o1", "o0", "o2"}));
  EXPECT_EQ(ctx.CurrentObject, 1);
}

TEST_F(ObjectOperationsTest, NothingMovesPastEitherEnd) {
  Make(2);
  MoveObjectDown(ctx);
  ctx.CurrentObject = 1;
  MoveObjectUp(ctx);
  EXPECT_EQ(Names(), (std::vector<std::string>{"o0", "o1"}));
  EXPECT_EQ(ctx.CurrentObject, 1);
}

TEST_F(ObjectOperationsTest, EqualOrOutOfOrderDepthsAreRenumberedBeforeTheExchange) {
  Make(3);
  // Equal depths, as a deletion then an addition leave them.
  ctx.Obj[1].Depth = 1;
  ctx.Obj[2].Depth = 1;
  ctx.CurrentObject = 1;
  MoveObjectUp(ctx);
  EXPECT_EQ(Names(), (std::vector<std::string>{"o0", "o2", "o1"}));
  EXPECT_EQ(ctx.CurrentObject, 2);
  for (size_t i = 0; i < 3; ++i) EXPECT_EQ(ctx.Obj[i].Depth, i);

  // Out-of-order depths: only the two neighbours change places.
  Make(3);
  ctx.Obj[0].Depth = 5;
  ctx.CurrentObject = 1;
  MoveObjectUp(ctx);
  EXPECT_EQ(Names(), (std::vector<std::string>{"o0", "o2", "o1"}));
  EXPECT_EQ(ctx.CurrentObject, 2);
  EXPECT_EQ(ctx.Obj[0].Depth, 0);
}

TEST_F(ObjectOperationsTest, DepthsPastTheLastByteValueShareIt) {
  Make(300);
  ctx.CurrentObject = 280;
  MoveObjectDown(ctx);
  EXPECT_EQ(ctx.Obj[279].Name, "o280");
  EXPECT_EQ(ctx.Obj[280].Name, "o279");
  EXPECT_EQ(ctx.Obj[254].Depth, 254);
  EXPECT_EQ(ctx.Obj[299].Depth, 255);
}

TEST_F(ObjectOperationsTest, DeletingKeepsAtLeastOneObject) {
  Make(3);
  ctx.CurrentObject = 1;
  DeleteCurrentObject(ctx);
  EXPECT_EQ(Names(), (std::vector<std::string>{"o0", "o2"}));
  EXPECT_EQ(ctx.CurrentObject, 0);
  DeleteCurrentObject(ctx);
  DeleteCurrentObject(ctx);
  EXPECT_EQ(Names(), std::vector<std::string>{"o2"});
  EXPECT_EQ(ctx.CurrentObject, 0);
}

TEST_F(ObjectOperationsTest, LayerListRowsShowTheLastObjectOnTop) {
  struct Click {
    int x;
    int y;
    int64_t current;    // CurrentObject afterwards
    int64_t hiddenRow;  // object whose Hide toggled, -1 for none
  };
  const Click clicks[] = {
      {30, 0, 2, -1},                     // top row: the last object
      {30, 24, 2, -1},  {30, 25, 1, -1},  // rows are 25 pixels high
      {26, 60, 0, -1},                    // x 26 is the first column of the name
      {30, 400, 0, -1},                   // below the last row: clamped to object 0
      {30, -30, 2, -1},                   // above the first row: clamped to the last object
      {0, 30, 0, 1},                      // left of x 25: toggles Hide, selects nothing
      {24, 55, 0, 0},   {25, 0, 0, -1},   // the gap between eye and name does neither
  };
  for (const Click& c : clicks) {
    Make(3);
    ctx.CurrentObject = 0;
    ctx.CurrentShape = 4;
    LayerListPress(ctx, c.x, c.y);
    EXPECT_EQ(ctx.CurrentObject, c.current) << c.x << "," << c.y;
    for (int64_t i = 0; i < 3; ++i) {
      EXPECT_EQ(ctx.Obj[static_cast<size_t>(i)].Hide, i == c.hiddenRow ? 1 : 0)
          << c.x << "," << c.y << " object " << i;
    }
    EXPECT_EQ(ctx.CurrentShape, 0);
  }
}

TEST_F(ObjectOperationsTest, TwoClicksOnTheEyeShowTheObjectAgain) {
  Make(1);
  LayerListPress(ctx, 5, 5);
  EXPECT_EQ(ctx.Obj[0].Hide, 1);
  LayerListPress(ctx, 5, 5);
  EXPECT_EQ(ctx.Obj[0].Hide, 0);
}

TEST_F(ObjectOperationsTest, RenamingCutsAndCleansTheTypedName) {
  Make(2);
  ctx.CurrentObject = 1;
  req.InputAnswers = {"a name of more than twenty characters", "back, front", ""};
  LayerListRename(ctx, 30);
  ASSERT_EQ(req.Asked.size(), 1u);
  EXPECT_EQ(req.Asked[0].Title, "New Name");
  EXPECT_EQ(req.Asked[0].Detail, "Set the name for this object");
  EXPECT_EQ(req.Asked[0].Initial, "o1");
  EXPECT_EQ(ctx.Obj[1].Name, "a name of more than ");

  LayerListRename(ctx, 30);
  EXPECT_EQ(ctx.Obj[1].Name, "back. front");
  LayerListRename(ctx, 30);  // cancelled: the name stays
  EXPECT_EQ(ctx.Obj[1].Name, "back. front");

  LayerListRename(ctx, 25);  // on the eye column no dialog opens
  EXPECT_EQ(req.Asked.size(), 3u);
  EXPECT_EQ(ctx.Obj[0].Name, "o0");
}

}  // namespace
}  // namespace tavisk
