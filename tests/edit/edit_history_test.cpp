#include "edit/edit_history.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "io/document/document_writer.h"

namespace tavisk {
namespace {

sShape ShapeNamed(const std::string& name, int x) {
  sShape shape;
  shape.Name = name;
  shape.X = static_cast<int16_t>(x);
  shape.Pt = {{x, 0, 0, 0}, {x, 1, 0, 0}, {0, x, 0, 0}};
  return shape;
}

sObject ObjectWith(const std::string& name, int shapes) {
  sObject object;
  object.Name = name;
  object.HasShape = 1;
  object.Shape.clear();
  for (int i = 0; i < shapes; ++i) object.Shape.push_back(ShapeNamed(name + std::to_string(i), i));
  return object;
}

// One random change of the kinds the editor makes: a field, a point, a shape
// added, removed or moved, an object added, removed, moved or renamed.
void ChangeAtRandom(std::vector<sObject>& scene, std::mt19937& random) {
  const auto pick = [&random](size_t size) {
    return std::uniform_int_distribution<size_t>(0, size - 1)(random);
  };
  sObject& object = scene[pick(scene.size())];
  std::vector<sShape>& shapes = object.Shape;
  switch (random() % 8) {
    case 0:
      shapes[pick(shapes.size())].X += 3;
      break;
    case 1:
      shapes[pick(shapes.size())].Pt.push_back({7, 7, 0, 0});
      break;
    case 2:
      shapes.insert(shapes.begin() + static_cast<long>(pick(shapes.size() + 1)),
                    ShapeNamed("new", static_cast<int>(random() % 50)));
      break;
    case 3:
      if (shapes.size() > 1) shapes.erase(shapes.begin() + static_cast<long>(pick(shapes.size())));
      break;
    case 4:
      if (shapes.size() > 1) std::swap(shapes[0], shapes[pick(shapes.size())]);
      break;
    case 5:
      scene.insert(scene.begin() + static_cast<long>(pick(scene.size() + 1)), ObjectWith("o", 3));
      break;
    case 6:
      if (scene.size() > 1) scene.erase(scene.begin() + static_cast<long>(pick(scene.size())));
      break;
    default:
      object.Name += "x";
      object.X += 1;
      break;
  }
}

TEST(SceneDeltaTest, RandomChangesGoBothWaysAndKeepOnlyTheChangedRuns) {
  for (unsigned seed = 1; seed <= 300; ++seed) {
    std::mt19937 random(seed);
    std::vector<sObject> before = {ObjectWith("a", 20), ObjectWith("b", 5), ObjectWith("c", 12)};
    std::vector<sObject> after = before;
    const int changes = 1 + static_cast<int>(random() % 4);
    for (int i = 0; i < changes; ++i) ChangeAtRandom(after, random);
    const std::vector<sObject> wantBefore = before;
    const std::vector<sObject> wantAfter = after;

    const SceneDelta delta = SceneDelta::Between(before, after);
    ASSERT_EQ(before, wantBefore) << "comparing must leave the scenes as they were, seed " << seed;
    ASSERT_EQ(after, wantAfter) << seed;

    std::vector<sObject> forward = before;
    ASSERT_TRUE(delta.FitsIn(forward, DeltaWay::kForward));
    delta.Apply(forward, DeltaWay::kForward);
    EXPECT_EQ(forward, wantAfter) << "seed " << seed;
    std::vector<sObject> backward = after;
    ASSERT_TRUE(delta.FitsIn(backward, DeltaWay::kBackward));
    delta.Apply(backward, DeltaWay::kBackward);
    EXPECT_EQ(backward, wantBefore) << "seed " << seed;
  }
}

TEST(SceneDeltaTest, SelectingIsNotAChangeAndOneMovedShapeKeepsOneShape) {
  std::vector<sObject> before = {ObjectWith("a", 1000)};
  std::vector<sObject> after = before;
  after[0].Shape[10].Selected = 1;
  EXPECT_TRUE(SceneDelta::Between(before, after).Empty());
  after[0].Shape[500].X += 1;
  const SceneDelta moved = SceneDelta::Between(before, after);
  EXPECT_FALSE(moved.Empty());
  EXPECT_TRUE(moved.ShapesChanged());
  EXPECT_FALSE(moved.ObjectsReplaced());
  EXPECT_LT(moved.ApproximateBytes(), 4 * sizeof(sShape) + 1024);
}

// A context holding two objects, with the history started on it.
class EditHistoryTest : public ::testing::Test {
 protected:
  EditHistoryTest() {
    ctx.Obj = {ObjectWith("a", 6), ObjectWith("b", 3)};
    history.Forget();
  }

  std::string Bytes() const { return WriteDocumentText(ctx.Obj); }

  EditorContext ctx;
  EditHistory history{ctx};
};

TEST_F(EditHistoryTest, UndoAndRedoGiveTheBytesBeforeAndAfterEachStep) {
  std::vector<std::string> states = {Bytes()};
  const auto step = [&](const std::string& name, auto change) {
    history.Begin();
    change();
    history.End(name);
    states.push_back(Bytes());
  };
  step("Move", [&] { ctx.Obj[0].Shape[2].X += 40; });
  step("Delete shape", [&] { ctx.Obj[0].Shape.erase(ctx.Obj[0].Shape.begin() + 1); });
  step("Add object", [&] { ctx.Obj.push_back(ObjectWith("c", 2)); });
  step("Rename", [&] { ctx.Obj[1].Name = "renamed"; });
  EXPECT_EQ(history.UndoName(), "Rename");

  for (size_t i = states.size() - 1; i > 0; --i) {
    history.Undo();
    EXPECT_EQ(Bytes(), states[i - 1]) << "undo to state " << i - 1;
  }
  EXPECT_FALSE(history.CanUndo());
  EXPECT_EQ(history.RedoName(), "Move");
  for (size_t i = 1; i < states.size(); ++i) {
    history.Redo();
    EXPECT_EQ(Bytes(), states[i]) << "redo to state " << i;
  }
  EXPECT_FALSE(history.CanRedo());
}

TEST_F(EditHistoryTest, UndoRestoresTheCurrentShapeAndTheSelection) {
  ctx.CurrentObject = 0;
  ctx.CurrentShape = 4;
  ctx.Obj[0].Shape[4].Selected = 1;
  ctx.Obj[0].Shape[5].Selected = 1;
  history.Begin();
  ctx.Obj[0].Shape[4].X += 1;
  ctx.Obj[0].Shape[5].Selected = 0;
  ctx.Obj[1].Shape[0].Selected = 1;
  ctx.CurrentObject = 1;
  ctx.CurrentShape = 0;
  history.End("Move");

  history.Undo();
  EXPECT_EQ(ctx.CurrentObject, 0);
  EXPECT_EQ(ctx.CurrentShape, 4);
  EXPECT_EQ(ctx.Obj[0].Shape[5].Selected, 1);
  EXPECT_EQ(ctx.Obj[1].Shape[0].Selected, 0);
  history.Redo();
  EXPECT_EQ(ctx.CurrentObject, 1);
  EXPECT_EQ(ctx.Obj[0].Shape[5].Selected, 0);
  EXPECT_EQ(ctx.Obj[1].Shape[0].Selected, 1);
}

TEST_F(EditHistoryTest, HeldFieldEditsMakeOneStepUntilAnotherEditBegins) {
  const std::string start = Bytes();
  for (int tick = 0; tick < 5; ++tick) {
    history.Begin(61);
    ctx.Obj[0].Shape[0].X += 1;
    history.End("Move shape", 61);
  }
  EXPECT_TRUE(history.Modified());
  EXPECT_EQ(history.UndoName(), "Move shape");
  history.Begin();
  ctx.Obj[0].Shape[1].Name = "other";
  history.End("Rename");
  history.Undo();
  history.Undo();
  EXPECT_EQ(Bytes(), start);
  EXPECT_FALSE(history.CanUndo());
}

TEST_F(EditHistoryTest, TheSavedSceneIsKnownAcrossUndoAndLostWithANewBranch) {
  EXPECT_FALSE(history.Modified());
  history.Begin();
  ctx.Obj[0].X = 5;
  history.End("Move object");
  EXPECT_TRUE(history.Modified());
  history.MarkSaved();
  EXPECT_FALSE(history.Modified());
  history.Undo();
  EXPECT_TRUE(history.Modified());
  history.Redo();
  EXPECT_FALSE(history.Modified());
  history.Undo();
  history.Begin();
  ctx.Obj[0].Y = 9;
  history.End("Move object");
  // The saved scene was only reachable by the redo just thrown away.
  history.Undo();
  EXPECT_TRUE(history.Modified());
  // Nothing changed: no step, no change of the saved state.
  history.Forget();
  history.Begin();
  history.End("Select");
  EXPECT_FALSE(history.CanUndo());
  EXPECT_FALSE(history.Modified());
}

TEST_F(EditHistoryTest, AChangeMadeBehindItsBackMakesUndoForgetRatherThanDamage) {
  history.Begin();
  ctx.Obj[0].Shape.push_back(ShapeNamed("late", 1));
  history.End("Paste");
  ctx.Obj[0].Shape.clear();
  ctx.Obj[0].Shape.push_back(sShape{});
  history.Undo();
  EXPECT_EQ(ctx.Obj[0].Shape.size(), 1u);
  EXPECT_FALSE(history.CanUndo());
  EXPECT_TRUE(history.Modified());
}

}  // namespace
}  // namespace tavisk
