#include "app/editor_session.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QTabWidget>
#include <QTest>

#include "app/canvas_widget.h"
#include "app/menu_table.h"
#include "editor_fixture.h"
#include "io/options/options_file.h"
#include "platform/file_io.h"
#include "platform/scripted_requesters.h"
#include "support/temp_dir.h"

namespace tavisk {
namespace {

sPzOptions ReadOptionsFile() {
  std::string text;
  EXPECT_TRUE(ReadWholeFile(kOptionsFileName, text));
  sPzOptions options;
  EXPECT_TRUE(OptionsFromJson(text, options));
  return options;
}

// Shortcuts reach only the active window.
void Activate(MainWindow& window) {
  window.activateWindow();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

class LayoutTest : public test::EditorTest {};
class MenusTest : public test::EditorTest {};
class ShortcutsTest : public test::EditorTest {};

TEST(Startup, FirstStartWritesDefaultsThenTheRealLayout) {
  test::ScopedWorkDir dir;
  dir.CopyProgramData(TAVISK_SOURCE_DATA);
  ScriptedRequesters requesters;
  auto session = StartEditor(requesters);
  const sPzOptions stored = ReadOptionsFile();
  EXPECT_EQ(stored.PanelW, 150);
  EXPECT_EQ(stored.ToolBarH, 30);
  EXPECT_EQ(stored.WinW, session->window->width());
  EXPECT_EQ(stored.WinH, session->window->height());
  EXPECT_EQ(stored.WinState, kWindowMaximized);
  EXPECT_EQ(session->window->windowTitle().toStdString(), "Tavisk 0.13");
  EXPECT_EQ(session->ctx.CurrentTool(), Tool::Move);
  EXPECT_EQ(session->ctx.ShapeFile, "1-defaut.txt");
  EXPECT_GE(session->ctx.AutosaveNumber, 0);
  EXPECT_LE(session->ctx.AutosaveNumber, 1000000);

  // The default options show one of the four tips, never the apostrophe.
  ASSERT_EQ(requesters.Messages.size(), 1u);
  EXPECT_EQ(requesters.Messages[0].Title, "Tips ! ");
  EXPECT_EQ(requesters.Messages[0].Icon, MessageIcon::Question);
  ASSERT_EQ(session->tips.size(), 4u);
  EXPECT_NE(std::find(session->tips.begin(), session->tips.end(), requesters.Messages[0].Text),
            session->tips.end());
  EXPECT_EQ(session->tips[2], "To add point to the shape, curve or line, use 'addpoint' tool.");
}

TEST(Startup, SparseOptionsFileStillGivesAUsableWindow) {
  test::ScopedWorkDir dir;
  dir.CopyProgramData(TAVISK_SOURCE_DATA);
  ASSERT_TRUE(WriteFileAtomically(kOptionsFileName, "{\"ZOOM\": 50, \"WinState\": 0}"));
  ScriptedRequesters requesters;
  auto session = StartEditor(requesters);
  EXPECT_EQ(session->ctx.Options.Zoom, 50);
  EXPECT_EQ(session->ctx.Options.ShowTip, 0);
  EXPECT_TRUE(requesters.Messages.empty());
  EXPECT_EQ(session->ctx.Options.PanelW, 150);
  EXPECT_EQ(session->ctx.Options.ToolBarH, 30);
  // A stored size of 0 opens the default size, not an invisible window.
  EXPECT_GE(session->window->width(), 400);
  EXPECT_GE(session->window->height(), 300);
}

TEST_F(LayoutTest, ResizeFollowsTheGeometryRuleAndIsStored) {
  EditorSession* session = session_.get();
  MainWindow& window = *session->window;
  window.resize(700, 500);
  QApplication::processEvents();
  EXPECT_EQ(window.Canvas()->width(), 390);
  EXPECT_EQ(window.Toolbar()->width(), 700);
  const int menuBarH = window.menuBar()->height();
  EXPECT_EQ(window.Canvas()->height(), 500 - menuBarH - 30);
  EXPECT_EQ(window.LeftPanel()->height(), window.Canvas()->height());
  EXPECT_EQ(window.RightPanel()->x(), window.Canvas()->x() + 390 + 5);
  EXPECT_EQ(window.Canvas()->x(), 155);
  const sPzOptions stored = ReadOptionsFile();
  EXPECT_EQ(stored.WinW, 700);
  EXPECT_EQ(stored.WinH, 500);
  EXPECT_EQ(stored.WinState, kWindowNormal);
}

TEST_F(MenusTest, ZoomItemsAndShortcuts) {
  EditorSession* session = session_.get();
  MainWindow& window = *session->window;
  Editor& ctx = session->ctx;

  window.OnMenu(kMenuZoom50);
  window.OnMenu(kMenuZoomIn);
  EXPECT_EQ(ctx.Options.Zoom, 51);

  Activate(window);
  window.Canvas()->setFocus();
  QTest::keyClick(window.Canvas(), Qt::Key_2, Qt::ControlModifier | Qt::KeypadModifier);
  EXPECT_EQ(ctx.Options.Zoom, 200);
  QTest::keyClick(window.Canvas(), Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
  EXPECT_EQ(ctx.Options.Zoom, 201);
  // The main keyboard's plus is not the zoom key.
  QTest::keyClick(window.Canvas(), Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_EQ(ctx.Options.Zoom, 201);

  // With Num Lock off the keypad 5 arrives as Clear; the arrow key of the
  // main keyboard stays an arrow.
  QTest::keyClick(window.Canvas(), Qt::Key_Clear, Qt::ControlModifier | Qt::KeypadModifier);
  EXPECT_EQ(ctx.Options.Zoom, 50);
  QTest::keyClick(window.Canvas(), Qt::Key_Down, Qt::ControlModifier);
  EXPECT_EQ(ctx.Options.Zoom, 50);

  window.OnMenu(kMenuZoom100);
  ctx.Options.Zoom = 1;
  window.OnMenu(kMenuZoomOut);
  EXPECT_EQ(ctx.Options.Zoom, 1);
  ctx.Options.Zoom = 255;
  window.OnMenu(kMenuZoomIn);
  EXPECT_EQ(ctx.Options.Zoom, 255);

  ctx.View.PanX = 40;
  ctx.View.PanY = -7;
  QTest::keyClick(window.Canvas(), Qt::Key_0, Qt::ControlModifier | Qt::KeypadModifier);
  EXPECT_EQ(ctx.View.PanX, 0);
  EXPECT_EQ(ctx.View.PanY, 0);
  EXPECT_EQ(ctx.Options.Zoom, 255);
}

TEST_F(MenusTest, ViewChecksStartFromOptionsAndToggleThem) {
  EditorSession* session = session_.get();
  MainWindow& window = *session->window;
  EXPECT_TRUE(window.MenuAction(kMenuShowCameraBorder)->isChecked());
  EXPECT_TRUE(window.MenuAction(kMenuShowSelection)->isChecked());
  EXPECT_FALSE(window.MenuAction(kMenuShowGrid)->isChecked());
  EXPECT_FALSE(window.MenuAction(kMenuHideAnchor)->isChecked());
  EXPECT_FALSE(window.MenuAction(kMenuShowOnlySelected)->isChecked());
  EXPECT_EQ(window.MenuAction(kMenuShowGrid)->text().toStdString(), "Show grid\tCtrl+G");

  window.MenuAction(kMenuHideAnchor)->trigger();
  EXPECT_EQ(session->ctx.Options.HideAncre, 1);
  EXPECT_TRUE(window.MenuAction(kMenuHideAnchor)->isChecked());
  window.MenuAction(kMenuShowCameraBorder)->trigger();
  EXPECT_EQ(session->ctx.Options.ShowCameraBorder, 0);
  EXPECT_FALSE(window.MenuAction(kMenuShowCameraBorder)->isChecked());

  Activate(window);
  window.Canvas()->setFocus();
  QTest::keyClick(window.Canvas(), Qt::Key_G, Qt::ControlModifier);
  EXPECT_EQ(session->ctx.Options.ShowGrid, 1);
  EXPECT_TRUE(window.MenuAction(kMenuShowGrid)->isChecked());

  // Items without an operation yet change nothing.
  window.OnMenu(kMenuPointOpenPath);
  window.OnMenu(9999);
}

TEST(Shutdown, CloseBoxWritesOptionsQuitDoesNot) {
  {
    test::ScopedWorkDir dir;
    dir.CopyProgramData(TAVISK_SOURCE_DATA);
  dir.CopyProgramData(TAVISK_SOURCE_DATA);
    test::WriteNormalWindowOptions(1024, 768);
    ScriptedRequesters requesters;
    auto session = StartEditor(requesters);
    session->window->OnMenu(kMenuShowGrid);
    session->window->close();
    FinishEditor(*session);
    EXPECT_EQ(ReadOptionsFile().ShowGrid, 1);
  }
  {
    test::ScopedWorkDir dir;
    dir.CopyProgramData(TAVISK_SOURCE_DATA);
  dir.CopyProgramData(TAVISK_SOURCE_DATA);
    test::WriteNormalWindowOptions(1024, 768);
    ScriptedRequesters requesters;
    auto session = StartEditor(requesters);
    session->window->OnMenu(kMenuShowGrid);
    session->window->OnMenu(kMenuQuit);
    EXPECT_TRUE(session->window->QuitRequested());
    FinishEditor(*session);
    EXPECT_EQ(ReadOptionsFile().ShowGrid, 0);
  }
}

// Space held over the canvas pans from the first gesture after the start,
// before anything was clicked.
TEST_F(ShortcutsTest, SpaceHeldPansFromTheFirstGesture) {
  MainWindow& window = *session_->window;
  Activate(window);
  QWidget* keys = QApplication::focusWidget();
  ASSERT_NE(keys, nullptr);
  QTest::keyPress(keys, Qt::Key_Space);
  QTest::mousePress(canvas(), Qt::LeftButton, {}, At(300, 200));
  MoveHeld(At(260, 180));
  QTest::mouseRelease(canvas(), Qt::LeftButton, {}, At(260, 180));
  QTest::keyRelease(keys, Qt::Key_Space);
  EXPECT_EQ(ctx().View.PanX, -40);
  EXPECT_EQ(ctx().View.PanY, -20);
}

TEST_F(ShortcutsTest, TextFieldsKeepTheirEditingKeys) {
  EditorSession* session = session_.get();
  MainWindow& window = *session->window;
  int deletes = 0;
  int copies = 0;
  window.SetMenuOperation(kMenuDeleteShape, [&] { ++deletes; });
  window.SetMenuOperation(kMenuCopyShape, [&] { ++copies; });

  auto* field = new QLineEdit(window.LeftPanel()->widget(0));
  field->setText("Box_0");
  field->show();
  Activate(window);
  field->setFocus();
  field->setCursorPosition(0);
  QTest::keyClick(field, Qt::Key_Delete);
  QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(deletes, 0);
  EXPECT_EQ(copies, 0);
  EXPECT_EQ(field->text().toStdString(), "ox_0");

  window.Canvas()->setFocus();
  QTest::keyClick(window.Canvas(), Qt::Key_Delete);
  QTest::keyClick(window.Canvas(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(deletes, 1);
  EXPECT_EQ(copies, 1);
}

}  // namespace
}  // namespace tavisk
