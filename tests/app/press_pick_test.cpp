// Presses are resolved by the pick from the shapes' geometry; every other
// redraw only paints. A panel edit therefore leaves the current shape and
// the selection alone (even with a shape over the scene's origin), the next
// press on the canvas is taken, and a Select All made with the select tool
// survives the redraws that follow it.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QSpinBox>
#include <QTest>

#include "app/menu_table.h"
#include "edit/gadget_ids.h"
#include "editor_fixture.h"

namespace tavisk {
namespace {

class PressPickTest : public test::EditorTest {
 protected:
  // Two boxes drawn with the box tool, then a press with the move tool.
  void TwoBoxesThenPress(QPoint first0, QPoint first1, QPoint second0, QPoint second1,
                         QPoint press) {
    MakeShape(kGadgetToolBox, first0, first1);
    MakeShape(kGadgetToolBox, second0, second1);
    ClickTool(kGadgetToolMove);
    Drag(press, press);
  }
};

TEST_F(PressPickTest, APanelEditKeepsTheCurrentShapeAndTheNextPressIsTaken) {
  // Shape 0 reaches over the origin; shape 1 is current and selected.
  TwoBoxesThenPress(At(1, 1), At(120, 120), At(200, 200), At(300, 260), At(250, 230));
  ASSERT_EQ(ctx().CurrentShape, 1);
  ASSERT_EQ(shape(1).Selected, 1);

  as<QSpinBox>(kGadgetShapeWidth)->setValue(6);
  EXPECT_EQ(shape(1).Width, 6);
  EXPECT_EQ(ctx().CurrentShape, 1) << "the panel edit kept the current shape";
  EXPECT_EQ(shape(1).Selected, 1);
  EXPECT_EQ(shape(0).Selected, 0);

  const int16_t x = shape(1).X;
  Drag(At(250, 230), At(270, 230));
  EXPECT_EQ(shape(1).X, x + 20) << "the press after the edit moved the shape under it";
  EXPECT_EQ(shape(0).X, 1);
}

TEST_F(PressPickTest, SelectAllWithTheSelectToolKeepsItsSelectionThroughPanelEdits) {
  MakeShape(kGadgetToolBox, At(1, 1), At(120, 120));
  MakeShape(kGadgetToolBox, At(200, 200), At(300, 260));
  ClickTool(kGadgetToolSelect);
  Menu(kMenuSelectAll);
  as<QSpinBox>(kGadgetShapeAlpha)->setValue(120);
  EXPECT_EQ(shape(0).Selected, 1);
  EXPECT_EQ(shape(1).Selected, 1);
  EXPECT_EQ(ctx().CurrentShape, 1);
  // A press on nothing still clears it, as the select tool does.
  Drag(At(500, 400), At(500, 400));
  EXPECT_EQ(shape(0).Selected, 0);
  EXPECT_EQ(shape(1).Selected, 0);
}

// The press finds a shape where an edit put it, even once another shape
// was made current from the list, without a press in between.
TEST_F(PressPickTest, APressFindsAShapeWhereTheLastEditMovedIt) {
  TwoBoxesThenPress(At(20, 20), At(80, 80), At(220, 20), At(280, 80), At(50, 50));
  ASSERT_EQ(ctx().CurrentShape, 0);
  auto* x = as<QSpinBox>(kGadgetShapeX);
  x->setValue(x->value() + 400);

  auto* list = as<QListWidget>(kGadgetShapeList);
  list->clearSelection();
  list->item(1)->setSelected(true);
  list->setCurrentRow(1, QItemSelectionModel::NoUpdate);
  emit list->itemClicked(list->item(1));
  ASSERT_EQ(ctx().CurrentShape, 1);
  ASSERT_EQ(shape(0).Selected, 0);

  Drag(At(450, 50), At(450, 50));
  EXPECT_EQ(ctx().CurrentShape, 0);
  EXPECT_EQ(shape(0).Selected, 1);
}

}  // namespace
}  // namespace tavisk
