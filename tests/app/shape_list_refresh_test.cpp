// The shape list follows clicks and edits by changing only what they
// changed: its rows stay the same items, and every row still shows its
// shape's name and mark.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "app/menu_table.h"
#include "document/numeric.h"
#include "edit/gadget_ids.h"
#include "editor_fixture.h"

namespace tavisk {
namespace {

class ShapeListRefreshTest : public test::EditorTest {
 protected:
  QListWidget* List() { return as<QListWidget>(kGadgetShapeList); }

  // Tags every row with its number: a row built again carries no tag.
  void TagRows() {
    for (int i = 0; i < List()->count(); ++i) List()->item(i)->setData(Qt::UserRole, i);
  }
  int Tag(int row) {
    const QVariant tag = List()->item(row)->data(Qt::UserRole);
    return tag.isValid() ? tag.toInt() : -1;
  }

  // Each row names its shape, in order; the selected and the current shapes
  // are marked, and the current one is the list's current row.
  void ExpectListShowsTheShapes() {
    const sObject& object = ctx().Obj[static_cast<size_t>(ctx().CurrentObject)];
    ASSERT_EQ(List()->count(), static_cast<int>(object.Shape.size()));
    for (int i = 0; i < List()->count(); ++i) {
      const sShape& shape = object.Shape[static_cast<size_t>(i)];
      SCOPED_TRACE("row " + std::to_string(i));
      EXPECT_EQ(List()->item(i)->text().toStdString(), shape.Name);
      EXPECT_EQ(List()->item(i)->isSelected(), shape.Selected != 0 || i == ctx().CurrentShape);
    }
    EXPECT_EQ(List()->currentRow(), ctx().CurrentShape);
  }

  void Click(QPoint at) { Drag(at, at); }
};

TEST_F(ShapeListRefreshTest, ClicksMoveTheMarksWithoutBuildingTheRowsAgain) {
  MakeShape(kGadgetToolBox, At(20, 20), At(80, 80));
  MakeShape(kGadgetToolBox, At(120, 20), At(180, 80));
  MakeShape(kGadgetToolBox, At(220, 20), At(280, 80));
  ASSERT_EQ(List()->count(), 3);
  TagRows();

  Click(At(150, 50));
  EXPECT_EQ(ctx().CurrentShape, 1);
  ExpectListShowsTheShapes();
  Click(At(50, 50));
  EXPECT_EQ(ctx().CurrentShape, 0);
  ExpectListShowsTheShapes();
  // A click on empty canvas deselects; the current shape stays marked.
  Click(At(400, 300));
  ExpectListShowsTheShapes();
  Menu(kMenuSelectAll);
  ExpectListShowsTheShapes();
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Tag(i), i);
}

// A shape clicked on the canvas is shown in the list, however far down or
// up its row lies.
TEST_F(ShapeListRefreshTest, TheCurrentShapesRowIsScrolledIntoView) {
  constexpr int kShapes = 16;
  for (int i = 0; i < kShapes; ++i) MakeShape(kGadgetToolBox, At(10 + 30 * i, 20), At(30 + 30 * i, 40));
  auto rowShown = [this](int row) {
    return List()->viewport()->rect().contains(List()->visualItemRect(List()->item(row)));
  };
  List()->scrollToTop();
  ASSERT_FALSE(rowShown(kShapes - 1)) << "the list is too tall to tell";
  Click(At(20 + 30 * (kShapes - 1), 30));
  ASSERT_EQ(ctx().CurrentShape, kShapes - 1);
  EXPECT_TRUE(rowShown(kShapes - 1));
  List()->scrollToBottom();
  Click(At(20, 30));
  ASSERT_EQ(ctx().CurrentShape, 0);
  EXPECT_TRUE(rowShown(0));
}

TEST_F(ShapeListRefreshTest, EditsRewriteOnlyTheRowsTheyChangeAndUndoPutsThemBack) {
  MakeShape(kGadgetToolBox, At(20, 20), At(80, 80));
  MakeShape(kGadgetToolBox, At(120, 20), At(180, 80));
  MakeShape(kGadgetToolBox, At(220, 20), At(280, 80));
  MakeShape(kGadgetToolBox, At(320, 20), At(380, 80));
  TagRows();

  // Renaming the second shape rewrites its row alone.
  Click(At(150, 50));
  auto* name = as<QLineEdit>(kGadgetShapeName);
  name->setText(QStringLiteral("renamed"));
  emit name->textEdited(name->text());
  EXPECT_EQ(ctx().Obj[0].Shape[1].Name, "renamed");
  ExpectListShowsTheShapes();
  EXPECT_EQ(Tag(0), 0);
  EXPECT_EQ(Tag(2), 2);
  EXPECT_EQ(Tag(3), 3);

  // Deleting the third drops its row; the rows around it stay.
  Click(At(250, 50));
  ClickGadget(kGadgetShapeDelete);
  ASSERT_EQ(ctx().Obj[0].Shape.size(), 3u);
  ExpectListShowsTheShapes();
  EXPECT_EQ(Tag(0), 0);
  EXPECT_EQ(Tag(2), 3);

  Menu(kMenuUndo);
  ExpectListShowsTheShapes();
  Menu(kMenuUndo);
  ExpectListShowsTheShapes();
  EXPECT_EQ(List()->item(1)->text().toStdString(), ctx().Obj[0].Shape[1].Name);
  Menu(kMenuRedo);
  ExpectListShowsTheShapes();
}

}  // namespace
}  // namespace tavisk
