// The window as the user first sees it: centred on the screen, the toolbar,
// panels and canvas inside it, and every panel gadget whole inside its tab,
// at the default size and at small ones.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "app/main_window.h"
#include "app/side_panel.h"
#include "edit/document_file.h"
#include "edit/gadget_ids.h"
#include "editor_fixture.h"
#include "platform/file_io.h"

namespace tavisk {
namespace {

// An editor opened with a normal window of the given inner size.
struct OpenedEditor : test::EditorStartedAfter {
  OpenedEditor(int width, int height)
      : EditorStartedAfter([=] { test::WriteNormalWindowOptions(width, height); }) {}
};

QString Describe(const QWidget* widget) {
  const QVariant gadget = widget->property("gadget");
  return QString("%1 %2").arg(widget->metaObject()->className(), gadget.isValid()
                                                                     ? "gadget " + gadget.toString()
                                                                     : widget->objectName());
}

QRect InWindow(const QWidget* widget, const QWidget* window) {
  return {widget->mapTo(window, QPoint(0, 0)), widget->size()};
}

QString Text(const QRect& r) {
  return QString("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// Whole when neither any parent nor the window cuts any of it.
::testing::AssertionResult ShownWhole(const QWidget* widget, const QWidget* window) {
  const QRect rect = InWindow(widget, window);
  for (const QWidget* parent = widget->parentWidget(); parent != nullptr;
       parent = parent->parentWidget()) {
    const QRect around = parent == window ? window->rect() : InWindow(parent, window);
    if (!around.contains(rect)) {
      return ::testing::AssertionFailure()
             << Describe(widget).toStdString() << " " << Text(rect).toStdString() << " is cut by "
             << Describe(parent).toStdString() << " " << Text(around).toStdString();
    }
    if (parent == window) break;
  }
  return ::testing::AssertionSuccess();
}

// The panel, its tab captions and every gadget, label and frame of its tabs.
void ExpectPanelShownWhole(QTabWidget* panel, const QWidget* window) {
  EXPECT_TRUE(ShownWhole(panel, window));
  QTabBar* bar = panel->tabBar();
  for (int tab = 0; tab < panel->count(); ++tab) {
    const QRect caption(bar->mapTo(panel, bar->tabRect(tab).topLeft()), bar->tabRect(tab).size());
    EXPECT_TRUE(panel->rect().contains(caption))
        << panel->tabText(tab).toStdString() << " " << Text(caption).toStdString();
    panel->setCurrentIndex(tab);
    QApplication::processEvents();
    for (QWidget* gadget :
         SidePanelPage(panel, tab)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      EXPECT_TRUE(ShownWhole(gadget, window)) << "tab " << panel->tabText(tab).toStdString();
    }
  }
  panel->setCurrentIndex(0);
}

class WindowSizes : public ::testing::TestWithParam<QSize> {};

TEST_P(WindowSizes, EverythingShowsWholeAndThePanelsReachTheBottom) {
  OpenedEditor editor(GetParam().width(), GetParam().height());
  MainWindow& window = editor.window();
  ASSERT_EQ(window.size(), GetParam());
  EXPECT_TRUE(ShownWhole(window.Toolbar(), &window));
  for (QWidget* gadget : window.Toolbar()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    EXPECT_TRUE(ShownWhole(gadget, &window));
  }
  EXPECT_TRUE(ShownWhole(window.Canvas(), &window));
  ExpectPanelShownWhole(window.LeftPanel(), &window);
  ExpectPanelShownWhole(window.RightPanel(), &window);
  // The panels and the canvas end at the bottom and the right panel at the
  // right edge: no band is left empty.
  for (const QWidget* part : {static_cast<const QWidget*>(window.LeftPanel()),
                              static_cast<const QWidget*>(window.Canvas()),
                              static_cast<const QWidget*>(window.RightPanel())}) {
    EXPECT_EQ(InWindow(part, &window).bottom(), window.height() - 1)
        << Describe(part).toStdString();
  }
  EXPECT_EQ(InWindow(window.RightPanel(), &window).right(), window.width() - 1);
  // The object list needs no sideways scrolling.
  int layerLists = 0;
  for (auto* area : window.RightPanel()->findChildren<QScrollArea*>()) {
    if (area->property("gadget").toInt() != kGadgetLayerScroll) continue;
    ++layerLists;
    EXPECT_LE(area->widget()->width(), area->viewport()->width());
  }
  EXPECT_EQ(layerLists, 1);
}

INSTANTIATE_TEST_SUITE_P(DefaultAndSmall, WindowSizes,
                         ::testing::Values(QSize(1024, 768), QSize(800, 600), QSize(1600, 1000)));

TEST(WindowLayout, AShortWindowScrollsEachTabDownToItsLowestGadget) {
  OpenedEditor editor(700, 360);
  MainWindow& window = editor.window();
  for (QTabWidget* panel : {window.LeftPanel(), window.RightPanel()}) {
    for (int tab = 0; tab < panel->count(); ++tab) {
      panel->setCurrentIndex(tab);
      QApplication::processEvents();
      QWidget* lowest = nullptr;
      for (QWidget* gadget :
           SidePanelPage(panel, tab)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (lowest == nullptr || gadget->geometry().bottom() > lowest->geometry().bottom()) {
          lowest = gadget;
        }
      }
      ASSERT_NE(lowest, nullptr);
      auto* area = qobject_cast<QScrollArea*>(panel->currentWidget());
      ASSERT_NE(area, nullptr);
      area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
      const QRect shown = InWindow(area->viewport(), &window);
      const QRect gadget = InWindow(lowest, &window);
      EXPECT_GE(gadget.top(), shown.top()) << panel->tabText(tab).toStdString();
      EXPECT_LE(gadget.bottom(), shown.bottom()) << panel->tabText(tab).toStdString();
    }
  }
}

TEST(WindowLayout, OpensCentredOnTheScreen) {
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  OpenedEditor editor(screen.width() * 3 / 4, screen.height() * 3 / 4);
  const QRect frame = editor.window().frameGeometry();
  // Within the few pixels of frame the platform adds once the window shows.
  EXPECT_LE(std::abs(frame.center().x() - screen.center().x()), 3);
  EXPECT_LE(std::abs(frame.center().y() - screen.center().y()), 3);
}

class PanelGadgetsTest : public test::EditorTest {
 protected:
  QWidget* gadget(int number) { return session_->panels->Gadgets().Widget(number); }
};

TEST_F(PanelGadgetsTest, TheTemplateListShowsItsLongestNameWhole) {
  auto* library = qobject_cast<QComboBox*>(gadget(kGadgetShapeLibrary));
  ASSERT_NE(library, nullptr);
  ASSERT_GE(library->findText("1-defaut.txt"), 0);
  ASSERT_GE(library->findText("5-speech-bubble.txt"), 0);
  library->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  EXPECT_GE(library->width(), library->sizeHint().width());
}

TEST_F(PanelGadgetsTest, TheTogglePairIsExclusiveAndChangesNoRecord) {
  ClickTool(kGadgetToolBox);
  Drag(At(100, 100), At(200, 180));  // a current shape enables the panels
  auto* first = qobject_cast<QAbstractButton*>(gadget(kGadgetToggleFirst));
  auto* second = qobject_cast<QAbstractButton*>(gadget(kGadgetToggleSecond));
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  ASSERT_TRUE(first->isEnabled());
  EXPECT_TRUE(ShownWhole(first, session_->window.get()));
  EXPECT_TRUE(ShownWhole(second, session_->window.get()));
  SaveDocument(ctx(), "before.txt", 1);

  QTest::mouseClick(second, Qt::LeftButton);
  EXPECT_TRUE(second->isChecked());
  EXPECT_FALSE(first->isChecked());
  QTest::mouseClick(second, Qt::LeftButton);  // pressing the one that is on keeps it on
  EXPECT_TRUE(second->isChecked());
  EXPECT_FALSE(first->isChecked());
  QTest::mouseClick(first, Qt::LeftButton);
  EXPECT_TRUE(first->isChecked());
  EXPECT_FALSE(second->isChecked());

  SaveDocument(ctx(), "after.txt", 1);
  std::string before;
  std::string after;
  ASSERT_TRUE(ReadWholeFile("before.txt", before));
  ASSERT_TRUE(ReadWholeFile("after.txt", after));
  EXPECT_EQ(before, after);
}

}  // namespace
}  // namespace tavisk
