// Options files a careless hand or a damaged disk left behind: the window
// still opens usable, inside the screen, with both panels.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <QTabWidget>

#include "app/canvas_widget.h"
#include "app/main_window.h"
#include "editor_fixture.h"
#include "io/options/options_file.h"
#include "platform/file_io.h"

namespace tavisk {
namespace {

struct EditorFromOptionsFile : test::EditorStartedAfter {
  explicit EditorFromOptionsFile(const std::string& options)
      : EditorStartedAfter(
            [&options] { EXPECT_TRUE(WriteFileAtomically(kOptionsFileName, options)); }) {}
};

TEST(OptionBounds, AHugeStoredWindowOpensWithinTheScreenAndIsStoredSo) {
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EditorFromOptionsFile editor("{\"WinW\": 32767, \"WinH\": 32767, \"WinState\": 0}");
  EXPECT_LE(editor.window().width(), screen.width());
  EXPECT_LE(editor.window().height(), screen.height());
  EXPECT_GT(editor.window().Canvas()->width(), 0);
  // The layout stored the size the window really has, so the next start
  // does not meet the huge one again.
  std::string text;
  ASSERT_TRUE(ReadWholeFile(kOptionsFileName, text));
  sPzOptions stored;
  ASSERT_TRUE(OptionsFromJson(text, stored));
  EXPECT_LE(stored.WinW, screen.width());
  EXPECT_LE(stored.WinH, screen.height());
}

TEST(OptionBounds, ATinyOrNegativeStoredWindowOpensAtTheMinimum) {
  EditorFromOptionsFile editor("{\"WinW\": 3, \"WinH\": -40, \"WinState\": 0}");
  EXPECT_EQ(editor.window().width(), kMinWindowWidth);
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_EQ(editor.window().height(), std::min(768, screen.height()));
}

TEST(OptionBounds, PanelsShowAtTheirWidthWhenTheFileGivesNone) {
  for (const char* options : {"{\"zoom\": 50}", "{\"zoom\": 50, \"PanelW\": 0, \"ToolBarH\": 0}"}) {
    SCOPED_TRACE(options);
    EditorFromOptionsFile editor(options);
    MainWindow& window = editor.window();
    for (QTabWidget* panel : {window.LeftPanel(), window.RightPanel()}) {
      EXPECT_TRUE(panel->isVisible());
      EXPECT_EQ(panel->width(), 150);
      EXPECT_GT(panel->height(), 100);
      EXPECT_GT(panel->currentWidget()->width(), 100);
    }
    EXPECT_EQ(window.Canvas()->x(), 155);
    EXPECT_EQ(window.Toolbar()->height(), 30);
  }
}

}  // namespace
}  // namespace tavisk
