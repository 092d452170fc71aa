// Edits of the whole selection from the keyboard and the Edit menu: the
// arrow keys nudge the selected shapes while the canvas has the focus, and
// "Lock selection" locks and unlocks them, its check mark following the
// selection.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QListWidget>
#include <algorithm>
#include <ctime>
#include <iostream>
#include <string>

#include "app/main_window.h"
#include "app/menu_table.h"
#include "edit/gadget_ids.h"
#include "editor_fixture.h"
#include "io/document/document_writer.h"
#include "platform/file_io.h"

namespace tavisk {
namespace {

class SelectionEditsTest : public test::EditorTest {
 public:
  using EditorTest::as;
  using EditorTest::Menu;
  ScriptedRequesters& requesters() { return requesters_; }

 protected:
  // The line and the box, the box current, and the focus on the canvas.
  void Drawing() {
    DrawLineAndBox();
    canvas()->setFocus();
  }

  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(canvas(), key, modifiers);
  }

  // A key held down: the press the system repeats.
  void RepeatedKey(Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(canvas(), &press);
  }

  bool LockChecked() { return session_->window->MenuAction(kMenuLockSelection)->isChecked(); }
  QPoint Position(int i) { return {shape(i).X, shape(i).Y}; }
};

TEST_F(SelectionEditsTest, ArrowsMoveTheSelectionByOneTenOrTheSnapStepButNotLockedShapes) {
  Drawing();
  Key(Qt::Key_Right);
  EXPECT_EQ(Position(1), QPoint(101, 100));
  Key(Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(Position(1), QPoint(101, 110));
  // The line is neither current nor selected.
  EXPECT_EQ(Position(0), QPoint(0, 0));

  ctx().Options.Snap = 1;
  ctx().Options.SnapX = 32;
  ctx().Options.SnapY = 16;
  Key(Qt::Key_Left);
  Key(Qt::Key_Up, Qt::ShiftModifier);
  EXPECT_EQ(Position(1), QPoint(69, 94));
  ctx().Options.Snap = 0;

  // Both selected, the box locked: only the line moves.
  Menu(kMenuSelectAll);
  shape(1).Locked = 1;
  Key(Qt::Key_Left);
  EXPECT_EQ(Position(0), QPoint(-1, 0));
  EXPECT_EQ(Position(1), QPoint(69, 94));
  // A locked or hidden layer moves nothing.
  for (uint8_t sObject::*flag : {&sObject::Locked, &sObject::Hide}) {
    ctx().Obj[0].*flag = 1;
    Key(Qt::Key_Left);
    EXPECT_EQ(Position(0), QPoint(-1, 0));
    ctx().Obj[0].*flag = 0;
  }
  // Nothing current and nothing selected: nothing moves, no step is made.
  Menu(kMenuDeselectAll);
  const std::string undo = ItemText(kMenuUndo);
  Key(Qt::Key_Right);
  EXPECT_EQ(Position(0), QPoint(-1, 0));
  EXPECT_EQ(ItemText(kMenuUndo), undo);
}

TEST_F(SelectionEditsTest, ABurstOfNudgesHeldOrTypedIsOneUndoStep) {
  Drawing();
  const std::string before = Bytes();
  Key(Qt::Key_Right);
  RepeatedKey(Qt::Key_Right);
  RepeatedKey(Qt::Key_Right);
  RepeatedKey(Qt::Key_Right);
  Key(Qt::Key_Right);
  EXPECT_EQ(Position(1), QPoint(105, 100));
  const std::string after = Bytes();
  EXPECT_EQ(ItemText(kMenuUndo), "Undo Nudge\tCtrl+Z");

  Menu(kMenuUndo);
  EXPECT_EQ(Bytes(), before);
  Menu(kMenuRedo);
  EXPECT_EQ(Bytes(), after);

  // Another edit ends the burst: the nudges after it are a step of their own.
  Key(Qt::Key_Down);
  Menu(kMenuCopyShape);
  Key(Qt::Key_Down);
  Menu(kMenuUndo);
  EXPECT_EQ(Position(1), QPoint(105, 101));
}

TEST_F(SelectionEditsTest, LockSelectionLocksAndUnlocksInOneStepAndItsMarkFollowsTheSelection) {
  Drawing();
  EXPECT_FALSE(LockChecked());
  // Only the box locked: the mark says so while the box is the selection.
  ClickTool(kGadgetToolSelect);
  Drag(At(150, 140), At(150, 140));
  ASSERT_EQ(ctx().CurrentShape, 1);
  Menu(kMenuLockSelection);
  EXPECT_EQ(shape(0).Locked, 0);
  EXPECT_EQ(shape(1).Locked, 1);
  EXPECT_TRUE(LockChecked());
  Drag(At(350, 101), At(350, 101));
  ASSERT_EQ(ctx().CurrentShape, 0);
  EXPECT_FALSE(LockChecked());
  Drag(At(150, 140), At(150, 140));
  EXPECT_TRUE(LockChecked());
  Menu(kMenuLockSelection);
  EXPECT_EQ(shape(1).Locked, 0);
  EXPECT_FALSE(LockChecked());

  // The whole selection in one step, back and forth.
  Menu(kMenuSelectAll);
  const std::string unlocked = Bytes();
  Menu(kMenuLockSelection);
  EXPECT_EQ(shape(0).Locked, 1);
  EXPECT_EQ(shape(1).Locked, 1);
  EXPECT_TRUE(LockChecked());
  EXPECT_EQ(ItemText(kMenuUndo), "Undo Lock selection\tCtrl+Z");
  const std::string locked = Bytes();
  Menu(kMenuUndo);
  EXPECT_EQ(Bytes(), unlocked);
  EXPECT_FALSE(LockChecked());
  Menu(kMenuRedo);
  EXPECT_EQ(Bytes(), locked);
  EXPECT_TRUE(LockChecked());
  Menu(kMenuLockSelection);
  EXPECT_EQ(Bytes(), unlocked);
  EXPECT_FALSE(LockChecked());

  // With nothing selected the item does nothing and stays unchecked.
  Menu(kMenuDeselectAll);
  const std::string before = Bytes();
  const std::string undo = ItemText(kMenuUndo);
  Menu(kMenuLockSelection);
  EXPECT_EQ(Bytes(), before);
  EXPECT_EQ(ItemText(kMenuUndo), undo);
  EXPECT_FALSE(LockChecked());
}

// Processor seconds of a Select All over a loaded document of count small
// boxes, the shape list showing every one of them selected.
double SelectAllSeconds(SelectionEditsTest& t, int count) {
  sObject object;
  object.HasShape = 1;
  object.Shape.resize(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    sShape& box = object.Shape[static_cast<size_t>(i)];
    box.Typ = kBox;
    box.Name = "B" + std::to_string(i);
    box.X = static_cast<int16_t>(i % 600);
    box.Y = static_cast<int16_t>(i / 600);
    box.W = box.H = 4;
  }
  EXPECT_TRUE(WriteFileAtomically("many.txt", WriteDocumentText({object})));
  t.requesters().FileAnswers.push_back("many.txt");
  t.Menu(kMenuLoadDocument);
  const std::clock_t start = std::clock();
  t.Menu(kMenuSelectAll);
  const double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
  const auto* list = t.as<QListWidget>(kGadgetShapeList);
  EXPECT_EQ(list->selectedItems().size(), count);
  return seconds;
}

// Selecting the rows one by one made the list's selection cost the square of
// the shapes: three seconds for a Select All or a nudge of 10,000.
TEST_F(SelectionEditsTest, SelectingThousandsOfShapesCostsInProportion) {
  const double small = std::min(SelectAllSeconds(*this, 4000), SelectAllSeconds(*this, 4000));
  const double large = std::min(SelectAllSeconds(*this, 16000), SelectAllSeconds(*this, 16000));
  std::cout << "[ select all ] 4000 shapes " << small << " s, 16000 shapes " << large << " s\n";
  EXPECT_LT(large, 8 * small);
}

}  // namespace
}  // namespace tavisk
