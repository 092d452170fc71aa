// Fx presets and the shape and Fx lists, driven through the real panels:
// presets are saved and applied from the Fx tab, and the lists follow the
// current shape and Fx after picks, list choices and reordering.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QSpinBox>
#include <QTest>

#include "app/panel_set.h"
#include "edit/gadget_ids.h"
#include "editor_fixture.h"
#include "platform/file_io.h"

namespace tavisk {
namespace {

class PresetsAndListsTest : public test::EditorTest {
 protected:
  // Opens the drop-down, moves to the entry and presses Return, as the user
  // picks from it with the keys (a click would be taken for the release of
  // the opening press when it lands on the current entry this soon).
  void ChooseEntry(int number, const QString& text) {
    auto* combo = as<QComboBox>(number);
    const int index = combo->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    QTest::keyClick(view, Qt::Key_Home);
    for (int i = 0; i < index; ++i) QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Return);
    ASSERT_FALSE(view->isVisible());
  }

  // Types a value into a spin, as the user edits one field of a pair.
  void Type(int number, int value) {
    auto* spin = as<QSpinBox>(number);
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, QString::number(value));
  }

  void SavePreset(const std::string& name) {
    requesters_.InputAnswers.push_back(name);
    ClickGadget(kGadgetFxPresetSave);
  }

  std::vector<std::string> Items(int number) {
    std::vector<std::string> items;
    auto* combo = as<QComboBox>(number);
    for (int i = 0; i < combo->count(); ++i) items.push_back(combo->itemText(i).toStdString());
    return items;
  }

  std::vector<int> SelectedRows() {
    std::vector<int> rows;
    auto* list = as<QListWidget>(kGadgetShapeList);
    for (int i = 0; i < list->count(); ++i) {
      if (list->item(i)->isSelected()) rows.push_back(i);
    }
    return rows;
  }
};

TEST_F(PresetsAndListsTest, SavingMakesThePresetFolderKeepsNamesInsideAndReportsFailures) {
  ASSERT_FALSE(QDir(QStringLiteral("data/shapefx")).exists());
  MakeShape(kGadgetToolBox, At(100, 80), At(140, 110));

  SavePreset("glow");
  EXPECT_TRUE(IsRegularFile("data/shapefx/glow.sfx"));
  EXPECT_EQ(Items(kGadgetFxPresets), std::vector<std::string>{"glow"});
  EXPECT_TRUE(requesters_.Messages.empty());

  // A typed path cannot lead the file out of the folder, and the saved
  // preset is listed under a name that applies it again.
  SavePreset("../../escape");
  EXPECT_FALSE(IsRegularFile("escape.sfx"));
  EXPECT_FALSE(IsRegularFile("data/escape.sfx"));
  const std::vector<std::string> listed = ListFiles("data/shapefx", ".sfx");
  ASSERT_EQ(listed.size(), 2u);
  EXPECT_EQ(Items(kGadgetFxPresets).size(), 2u);
  ctx().CurrentShapePtr()->Fx[0].Name = "renamed";
  ChooseEntry(kGadgetFxPresets, QStringLiteral("_._.._escape"));
  EXPECT_EQ(ctx().CurrentShapePtr()->Fx[0].Name, "../../escape");
  SavePreset("..");
  EXPECT_EQ(ListFiles("data/shapefx", ".sfx").size(), 3u);
  EXPECT_TRUE(requesters_.Messages.empty());

  // A write that fails is told, as an error.
  ASSERT_TRUE(QDir().mkpath(QStringLiteral("data/shapefx/busy.sfx")));
  SavePreset("busy");
  ASSERT_EQ(requesters_.Messages.size(), 1u);
  EXPECT_EQ(requesters_.Messages[0].Title, "Error");
  EXPECT_EQ(requesters_.Messages[0].Icon, MessageIcon::Error);
  EXPECT_NE(requesters_.Messages[0].Text.find("busy"), std::string::npos);
}

TEST_F(PresetsAndListsTest, PresetsLeaveTheFxGadgetsAndListOnTheCurrentFx) {
  ASSERT_TRUE(QDir().mkpath(QStringLiteral("data/shapefx")));
  MakeShape(kGadgetToolBox, At(100, 80), At(140, 110));
  ClickGadget(kGadgetFxAdd);
  ASSERT_EQ(ctx().CurrentFx, 1);
  const sShapeFx& fx = ctx().CurrentShapePtr()->Fx[1];
  Type(kGadgetFxX, 5);
  Type(kGadgetFxY, 6);
  ASSERT_EQ(fx.X, 5);
  ASSERT_EQ(fx.Y, 6);

  SavePreset("soft");
  auto* fxList = as<QComboBox>(kGadgetFxList);
  EXPECT_EQ(fxList->currentIndex(), 1);
  EXPECT_EQ(fxList->currentText().toStdString(), "soft");

  Type(kGadgetFxX, 1);
  Type(kGadgetFxY, 2);
  ChooseEntry(kGadgetFxPresets, QStringLiteral("soft"));
  EXPECT_EQ(ctx().CurrentFx, 1);
  EXPECT_EQ(fx.X, 5);
  EXPECT_EQ(fx.Y, 6);
  EXPECT_EQ(as<QSpinBox>(kGadgetFxX)->value(), 5);
  EXPECT_EQ(as<QSpinBox>(kGadgetFxY)->value(), 6);
  EXPECT_EQ(fxList->currentIndex(), 1);

  // Editing one of the pair keeps the other as the preset left it.
  Type(kGadgetFxX, 7);
  EXPECT_EQ(fx.X, 7);
  EXPECT_EQ(fx.Y, 6);
}

TEST_F(PresetsAndListsTest, ListsFollowPicksListChoicesAndReordering) {
  MakeShape(kGadgetToolBox, At(100, 80), At(140, 110));
  ClickGadget(kGadgetFxAdd);
  MakeShape(kGadgetToolBox, At(300, 80), At(340, 110));
  const std::string first = shape(0).Name;
  const std::string second = shape(1).Name;
  ASSERT_EQ(ctx().CurrentShape, 1);
  ASSERT_EQ(Items(kGadgetFxList), std::vector<std::string>{"FX_0"});

  // A pick on the canvas.
  QTest::mouseClick(canvas(), Qt::LeftButton, {}, At(120, 95));
  ASSERT_EQ(ctx().CurrentShape, 0);
  EXPECT_EQ(Items(kGadgetFxList), (std::vector<std::string>{"FX_0", "FX_1"}));
  auto* list = as<QListWidget>(kGadgetShapeList);
  EXPECT_EQ(list->currentRow(), 0);
  EXPECT_EQ(SelectedRows(), std::vector<int>{0});
  ChooseEntry(kGadgetFxList, QStringLiteral("FX_1"));
  EXPECT_EQ(ctx().CurrentFx, 1);
  EXPECT_EQ(as<QComboBox>(kGadgetFxList)->currentIndex(), 1);

  // A choice in the shape list.
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    list->visualItemRect(list->item(1)).center());
  ASSERT_EQ(ctx().CurrentShape, 1);
  EXPECT_EQ(Items(kGadgetFxList), std::vector<std::string>{"FX_0"});
  EXPECT_EQ(as<QComboBox>(kGadgetFxList)->currentIndex(), 0);
  EXPECT_EQ(list->currentRow(), 1);
  EXPECT_EQ(shape(0).Selected, 1);
  EXPECT_EQ(shape(1).Selected, 1);
  EXPECT_EQ(SelectedRows(), (std::vector<int>{0, 1}));

  // Up moves the current shape and the list stays on it.
  QTest::mouseClick(canvas(), Qt::LeftButton, {}, At(320, 95));
  ClickGadget(kGadgetShapeUp);
  ASSERT_EQ(ctx().CurrentShape, 0);
  EXPECT_EQ(shape(0).Name, second);
  EXPECT_EQ(list->item(0)->text().toStdString(), second);
  EXPECT_EQ(list->item(1)->text().toStdString(), first);
  EXPECT_EQ(list->currentRow(), 0);
  EXPECT_EQ(SelectedRows(), std::vector<int>{0});
}

}  // namespace
}  // namespace tavisk
