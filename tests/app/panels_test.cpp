// The real panels, offscreen: gadgets built with their captions and ranges,
// filled from the records, and edited by the user.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSpinBox>
#include <QTest>

#include "app/canvas_widget.h"
#include "app/editor_session.h"
#include "app/layer_list_widget.h"
#include "app/main_window.h"
#include "app/menu_table.h"
#include "app/toolbar.h"
#include "document/numeric.h"
#include "edit/gadget_ids.h"
#include "platform/scripted_requesters.h"
#include "support/temp_dir.h"
#include "editor_fixture.h"

namespace tavisk {
namespace {

class PanelsTest : public test::EditorTest {
 protected:
  // The caption label drawn left of a gadget, if any.
  QLabel* CaptionOf(QWidget* widget) {
    for (QLabel* label : widget->parentWidget()->findChildren<QLabel*>()) {
      if (label->geometry().right() + 1 == widget->x() && label->y() == widget->y() + 2) {
        return label;
      }
    }
    return nullptr;
  }
};

TEST_F(PanelsTest, GadgetsAreBuiltWithTheirCaptionsRangesAndStartDisabled) {
  auto* x = as<QSpinBox>(kGadgetShapeX);
  ASSERT_NE(x, nullptr);
  EXPECT_EQ(x->minimum(), -100000);
  EXPECT_EQ(x->maximum(), 100000);
  EXPECT_EQ(x->toolTip().toStdString(), "Set the X position of the shape.");
  ASSERT_NE(CaptionOf(x), nullptr);
  EXPECT_EQ(CaptionOf(x)->text().toStdString(), "X ");
  EXPECT_EQ(CaptionOf(x)->width(), 35);
  EXPECT_EQ(as<QSpinBox>(kGadgetFxScale)->minimum(), -10000);
  EXPECT_EQ(as<QSpinBox>(kGadgetShapeAlpha)->maximum(), 255);
  // The style and depth lists carry no caption.
  EXPECT_EQ(CaptionOf(gadget(kGadgetFxType)), nullptr);
  EXPECT_EQ(CaptionOf(gadget(kGadgetFxDepth)), nullptr);
  EXPECT_EQ(as<QComboBox>(kGadgetShapeStyle)->count(), 4);
  EXPECT_EQ(as<QComboBox>(kGadgetFxDepth)->itemText(2).toStdString(), "All back");
  // The shape library lists our templates.
  EXPECT_GE(as<QComboBox>(kGadgetShapeLibrary)->count(), 6);
  EXPECT_EQ(as<QComboBox>(kGadgetShapeLibrary)->itemText(0).toStdString(), "1-defaut.txt");
  // Left tabs start disabled; the right panel never is.
  EXPECT_FALSE(gadget(kGadgetShapeX)->isEnabled());
  EXPECT_FALSE(gadget(kGadgetShapeList)->isEnabled());
  EXPECT_TRUE(gadget(kGadgetObjectX)->isEnabled());
  EXPECT_EQ(as<QAbstractButton>(kGadgetCheckerBg)->isChecked(), ctx().Options.BgImg != 0);
}

TEST_F(PanelsTest, CreatingAShapeFillsAndEnablesThePanels) {
  MakeShape(kGadgetToolBox, At(100, 80), At(140, 110));
  EXPECT_TRUE(gadget(kGadgetShapeX)->isEnabled());
  EXPECT_EQ(as<QLineEdit>(kGadgetShapeName)->text().toStdString(), "Box_0");
  EXPECT_EQ(as<QSpinBox>(kGadgetShapeX)->value(), 100);
  // The size the drag gave, not the one the shape was made with.
  EXPECT_EQ(as<QSpinBox>(kGadgetShapeW)->value(), 40);
  EXPECT_EQ(as<QSpinBox>(kGadgetShapeH)->value(), 30);
  EXPECT_EQ(as<QListWidget>(kGadgetShapeList)->count(), 1);
  EXPECT_TRUE(gadget(kGadgetShapeText)->isHidden());

  MakeShape(kGadgetToolText, At(300, 80), At(320, 100));
  EXPECT_FALSE(gadget(kGadgetShapeText)->isHidden());
  EXPECT_FALSE(gadget(kGadgetShapeFont)->isHidden());
  EXPECT_EQ(as<QListWidget>(kGadgetShapeList)->count(), 2);
}

TEST_F(PanelsTest, ATemplateShapeIsShownOnceMade) {
  // Into an empty object, then beside other shapes.
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    MakeShape(kGadgetToolComplexShape, At(200, 200), At(220, 220));
    const sShape& made = ctx().Obj[0].Shape[static_cast<size_t>(ctx().CurrentShape)];
    EXPECT_EQ(made.Name, "Circle");
    EXPECT_TRUE(gadget(kGadgetShapeX)->isEnabled());
    EXPECT_EQ(as<QLineEdit>(kGadgetShapeName)->text().toStdString(), "Circle");
    EXPECT_EQ(as<QSpinBox>(kGadgetShapeX)->value(), made.X);
    EXPECT_EQ(as<QSpinBox>(kGadgetShapeW)->value(), made.W);
  }
}

TEST_F(PanelsTest, NewDocumentLeavesNothingOfTheClosedOneOnScreen) {
  MakeShape(kGadgetToolBox, At(100, 80), At(140, 110));
  as<QSpinBox>(kGadgetShapeX)->setValue(250);
  const QImage withBox = canvas()->Image();

  session_->window->MenuAction(kMenuNewDocument)->trigger();
  EXPECT_EQ(ctx().Obj[0].HasShape, 0);
  EXPECT_FALSE(gadget(kGadgetShapeX)->isEnabled());
  EXPECT_NE(as<QSpinBox>(kGadgetShapeX)->value(), 250);
  EXPECT_EQ(as<QLineEdit>(kGadgetShapeName)->text().toStdString(), "");
  EXPECT_EQ(as<QListWidget>(kGadgetShapeList)->count(), 0);
  EXPECT_NE(canvas()->Image(), withBox);
}

TEST_F(PanelsTest, TypingIntoGadgetsWritesTheRecordsAndRedraws) {
  MakeShape(kGadgetToolBox, At(100, 80), At(140, 110));
  sShape& box = ctx().Obj[0].Shape[0];
  auto* x = as<QSpinBox>(kGadgetShapeX);
  x->setFocus();
  x->selectAll();
  QTest::keyClicks(x, "250");
  EXPECT_EQ(box.X, 250);
  auto* width = as<QSpinBox>(kGadgetShapeWidth);
  width->setValue(0);
  EXPECT_EQ(box.Width, 1);
  as<QSpinBox>(kGadgetShapeAlpha)->setValue(100);
  EXPECT_EQ(Alpha(box.Color), 100);
  EXPECT_EQ(box.Alpha, 100);

  auto* name = as<QLineEdit>(kGadgetShapeName);
  name->setFocus();
  name->selectAll();
  QTest::keyClicks(name, "roof,top");
  EXPECT_EQ(box.Name.find(','), std::string::npos);
  EXPECT_EQ(as<QListWidget>(kGadgetShapeList)->item(0)->text().toStdString(), box.Name);
  // Delete typed in the name field edits the name; the shape stays.
  name->setCursorPosition(0);
  QTest::keyClick(name, Qt::Key_Delete);
  EXPECT_EQ(ctx().Obj[0].HasShape, 1);
  EXPECT_EQ(box.Name, "oof.top");

  as<QAbstractButton>(kGadgetFxActif)->click();
  EXPECT_EQ(box.Fx[0].Actif, 1);
  as<QSpinBox>(kGadgetFxScale)->setValue(200);
  EXPECT_EQ(box.Fx[0].Scale, 200);
}

TEST_F(PanelsTest, ObjectListClicksHideSelectAndRename) {
  as<QAbstractButton>(kGadgetObjectAdd)->click();
  ASSERT_EQ(ctx().Obj.size(), 2u);
  EXPECT_EQ(ctx().CurrentObject, 1);
  auto* list = qobject_cast<LayerListWidget*>(gadget(kGadgetLayerList));
  ASSERT_NE(list, nullptr);
  // The last object is on top: row 1 shows Object0.
  QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(60, 25 + 10));
  EXPECT_EQ(ctx().CurrentObject, 0);
  QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(ctx().Obj[1].Hide, 1);
  EXPECT_EQ(ctx().CurrentObject, 0);

  requesters_.InputAnswers.push_back("A very long layer name indeed");
  QTest::mouseDClick(list, Qt::LeftButton, {}, QPoint(60, 35));
  EXPECT_EQ(ctx().Obj[0].Name, "A very long layer na");
  EXPECT_EQ(requesters_.Asked.back().Title, "New Name");

  as<QAbstractButton>(kGadgetObjectDelete)->click();
  as<QAbstractButton>(kGadgetObjectDelete)->click();
  EXPECT_EQ(ctx().Obj.size(), 1u);
}

TEST_F(PanelsTest, PlusInsertsTheChosenTemplateAndUpDownReorder) {
  auto* library = as<QComboBox>(kGadgetShapeLibrary);
  const int star = library->findText(QStringLiteral("2-star.txt"));
  ASSERT_GE(star, 0);
  library->setCurrentIndex(star);
  emit library->activated(star);
  EXPECT_EQ(ctx().ShapeFile, "2-star.txt");
  as<QAbstractButton>(kGadgetShapeAdd)->click();
  const sObject& object = ctx().Obj[0];
  EXPECT_EQ(object.HasShape, 1);
  // The template takes the place of the blank slot made for it.
  EXPECT_FALSE(object.Shape.front().Name.empty());
  EXPECT_EQ(object.Shape.back().Typ, kComplexShape);
  EXPECT_GT(object.Shape.back().Pt.size(), 3u);
  // Unsaved, and still no file name: the template is not the document.
  EXPECT_EQ(session_->window->windowTitle().toStdString(), "Tavisk 0.13 *");
  EXPECT_EQ(as<QListWidget>(kGadgetShapeList)->count(), static_cast<int>(object.Shape.size()));

  MakeShape(kGadgetToolBox, At(100, 80), At(140, 110));
  const std::string boxName = ctx().CurrentShapePtr()->Name;
  const int64_t last = LastIndex(ctx().Obj[0].Shape);
  EXPECT_EQ(ctx().CurrentShape, last);
  as<QAbstractButton>(kGadgetShapeDown)->click();  // already last: nothing
  EXPECT_EQ(ctx().CurrentShape, last);
  as<QAbstractButton>(kGadgetShapeUp)->click();
  EXPECT_EQ(ctx().CurrentShape, last - 1);
  EXPECT_EQ(ctx().Obj[0].Shape[static_cast<size_t>(last - 1)].Name, boxName);
  EXPECT_EQ(as<QListWidget>(kGadgetShapeList)->currentRow(), last - 1);
}

TEST_F(PanelsTest, PointMenuOpensOnlyWithACurrentShape) {
  ctx().CurrentShape = -1;
  as<QAbstractButton>(kGadgetPointMenu)->setEnabled(true);
  as<QAbstractButton>(kGadgetPointMenu)->click();
  EXPECT_FALSE(session_->window->PointMenu()->isVisible());
  MakeShape(kGadgetToolCurve, At(100, 100), At(100, 100));
  as<QAbstractButton>(kGadgetPointMenu)->click();
  EXPECT_TRUE(session_->window->PointMenu()->isVisible());
  session_->window->PointMenu()->hide();
}

}  // namespace
}  // namespace tavisk
