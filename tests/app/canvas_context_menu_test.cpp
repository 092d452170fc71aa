// The context menus of the canvas, opened by right presses as a user makes
// them: on a point, on a shape and on the empty canvas. A right press makes
// current what it stands on and never drags nor moves anything; the items
// are the menu bar's operations, each one undo step.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/menu_table.h"
#include "editor_fixture.h"

namespace tavisk {
namespace {

using Items = std::vector<std::string>;

class CanvasContextMenuTest : public test::EditorTest {
 protected:
  void TearDown() override {
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  }

  // A right click at the drawing-area pixel: the menu its press opened.
  QMenu* RightPress(QPoint at) {
    QTest::mousePress(canvas(), Qt::RightButton, {}, at);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QTest::mouseRelease(canvas(), Qt::RightButton, {}, at);
    if (menu != nullptr) EXPECT_TRUE(QTest::qWaitForWindowExposed(menu));
    return menu;
  }

  // The menu's items without their shortcuts, "-" for a separator.
  static Items ItemsOf(const QMenu* menu) {
    Items items;
    for (const QAction* action : menu->actions()) {
      items.push_back(action->isSeparator() ? "-"
                                            : action->text().section('\t', 0, 0).toStdString());
    }
    return items;
  }

  // Chooses an item of the open menu by a click on it, as a user does.
  void Click(QMenu* menu, const std::string& item) {
    for (QAction* action : menu->actions()) {
      if (action->text().section('\t', 0, 0).toStdString() != item) continue;
      const QPoint centre = menu->actionGeometry(action).center();
      QCursor::setPos(menu->mapToGlobal(centre));
      QTest::mouseClick(menu, Qt::LeftButton, {}, centre);
      return;
    }
    ADD_FAILURE() << "no item " << item;
  }

  // Nothing is dragged or held after a right press.
  void ExpectNoGesture() {
    EXPECT_FALSE(ctx().ButtonDown);
    EXPECT_EQ(ctx().View.Drag, DragMode::None);
    EXPECT_EQ(ctx().View.Pick, PickState::Open);
  }
};

TEST_F(CanvasContextMenuTest, OnAShapeItBecomesCurrentAndTheShapeMenuActsOnIt) {
  DrawLineAndBox();
  const std::string drawn = Bytes();

  QMenu* menu = RightPress(At(350, 101));
  ASSERT_EQ(menu, session_->window->ShapeMenu());
  EXPECT_EQ(ItemsOf(menu),
            (Items{"Copy current shape", "Paste", "Delete the current shape", "Up", "Down", "-",
                   "Convert to line", "Convert to curve", "Convert to complexe shape", "-", "Union",
                   "Difference", "Intersection", "Exclusion"}));
  // The line, picked by its outline, is current and selected alone.
  EXPECT_EQ(ctx().CurrentShape, 0);
  EXPECT_EQ(shape(0).Selected, 1);
  EXPECT_EQ(shape(1).Selected, 0);
  ExpectNoGesture();
  EXPECT_EQ(Bytes(), drawn);
  menu->close();

  // Within a selection the selection stays, even after Select All held Shift
  // for the next clicks.
  Menu(kMenuSelectAll);
  menu = RightPress(At(150, 140));
  ASSERT_EQ(menu, session_->window->ShapeMenu());
  EXPECT_EQ(ctx().CurrentShape, 1);
  EXPECT_EQ(shape(0).Selected, 1);
  EXPECT_EQ(shape(1).Selected, 1);
  ExpectNoGesture();
  EXPECT_EQ(Bytes(), drawn);

  // "Up" is the shape panel's: the box is drawn first, as one step.
  Click(menu, "Up");
  EXPECT_EQ(shape(0).Typ, kBox);
  EXPECT_EQ(ctx().CurrentShape, 0);
  EXPECT_EQ(ItemText(kMenuUndo), "Undo Up\tCtrl+Z");
  Menu(kMenuUndo);
  EXPECT_EQ(Bytes(), drawn);
}

TEST_F(CanvasContextMenuTest, OnAPointOfTheCurrentOrASelectedShapeThePointMenuOpensOnIt) {
  DrawLineAndBox();
  const std::string drawn = Bytes();

  QMenu* menu = RightPress(At(100, 100));
  ASSERT_EQ(menu, session_->window->PointMenu());
  EXPECT_EQ(ctx().CurrentShape, 1);
  EXPECT_EQ(ctx().CurrentPoint, 0);
  ExpectNoGesture();
  menu->close();

  // The end of the line, selected with the box: the line becomes current.
  Menu(kMenuSelectAll);
  menu = RightPress(At(401, 99));
  ASSERT_EQ(menu, session_->window->PointMenu());
  EXPECT_EQ(ctx().CurrentShape, 0);
  EXPECT_EQ(ctx().CurrentPoint, 1);
  EXPECT_EQ(shape(1).Selected, 1);
  ExpectNoGesture();
  EXPECT_EQ(Bytes(), drawn);
}

TEST_F(CanvasContextMenuTest, OnTheEmptyCanvasPasteLandsAtThePressAndSelectAllSelects) {
  DrawLineAndBox();
  Menu(kMenuCopyShape);
  const std::string drawn = Bytes();

  QMenu* menu = RightPress(At(600, 400));
  ASSERT_EQ(menu, session_->window->CanvasMenu());
  EXPECT_EQ(ItemsOf(menu), (Items{"Paste", "Select All"}));
  EXPECT_EQ(ctx().CurrentShape, 1);
  ExpectNoGesture();

  // Where the right press was, not where the click on the item is.
  Click(menu, "Paste");
  ASSERT_EQ(ctx().Obj[0].Shape.size(), 3u);
  EXPECT_EQ(shape(2).X + shape(2).Pt[0].X, 600);
  EXPECT_EQ(shape(2).Y + shape(2).Pt[0].Y, 400);
  EXPECT_EQ(ItemText(kMenuUndo), "Undo Paste\tCtrl+Z");
  Menu(kMenuUndo);
  EXPECT_EQ(Bytes(), drawn);

  menu = RightPress(At(600, 400));
  ASSERT_EQ(menu, session_->window->CanvasMenu());
  Click(menu, "Select All");
  EXPECT_EQ(shape(0).Selected, 1);
  EXPECT_EQ(shape(1).Selected, 1);
}

// The boolean operations stand in the Edit menu; bound to an operation, each
// is one undo step named after its item.
TEST_F(CanvasContextMenuTest, BooleanItemsOfTheEditMenuAreOneStepEach) {
  DrawLineAndBox();
  const std::string drawn = Bytes();
  const QMenu* edit = session_->window->menuBar()->actions().at(1)->menu();
  ASSERT_NE(edit, nullptr);
  // After the shape items.
  const Items items = ItemsOf(edit);
  ASSERT_GE(items.size(), 6u);
  EXPECT_EQ(Items(items.end() - 6, items.end()),
            (Items{"Shape", "-", "Union", "Difference", "Intersection", "Exclusion"}));
  for (const int id : {kMenuUnion, kMenuDifference, kMenuIntersection, kMenuExclusion}) {
    QAction* item = session_->window->MenuAction(id);
    ASSERT_NE(item, nullptr);
    session_->window->SetMenuOperation(id, [this] {
      shape(0).X = static_cast<int16_t>(shape(0).X + 5);
      shape(1).X = static_cast<int16_t>(shape(1).X + 5);
    });
    item->trigger();
    EXPECT_EQ(ItemText(kMenuUndo), "Undo " + MenuItemName(id) + "\tCtrl+Z");
    Menu(kMenuUndo);
    EXPECT_EQ(Bytes(), drawn) << MenuItemName(id);
  }
}

}  // namespace
}  // namespace tavisk
