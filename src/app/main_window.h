// The main window: menu bar, toolbar strip, left panel, canvas, right panel.
// It owns no scene data: every operation acts on the editor context.
#pragma once

#include <QMainWindow>
#include <functional>
#include <map>

#include "app/window_layout.h"
#include "document/editor_context.h"

class QAction;
class QMenu;
class QTabWidget;

namespace tavisk {

class CanvasWidget;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(EditorContext& ctx);

  // Places the window in the middle of its screen's free area.
  void CentreOnScreen();

  // Menu bar, shortcuts and the point pop-up menu.
  void BuildMenus();

  // Resizes the panels and the canvas to the window, redraws, stores the
  // window size and state in the options, writes them and rebuilds the
  // toolbar strip.
  void LayoutWindow();

  // Recreates the toolbar strip at the window's width.
  void BuildToolbar();
  void SetToolbarFiller(std::function<void(QWidget* strip)> filler) {
    toolbarFiller_ = std::move(filler);
  }

  // From here on every resize runs LayoutWindow.
  void BindResize() { resizeBound_ = true; }

  void ApplyWindowState(int64_t state);
  int64_t WindowStateValue() const;

  // The menu dispatch: one operation per item number; numbers without one
  // do nothing.
  void SetMenuOperation(int id, std::function<void()> operation);
  void OnMenu(int id);
  // While an operation runs: it was chosen by clicking its item in a menu,
  // so the pointer stands on the menu, not where the user works.
  bool ChosenByMenuClick() const { return menuClicked_; }

  QAction* MenuAction(int id) const;
  QMenu* PointMenu() const { return pointMenu_; }
  CanvasWidget* Canvas() const { return canvas_; }
  QWidget* Toolbar() const { return toolbar_; }
  QTabWidget* LeftPanel() const { return leftPanel_; }
  QTabWidget* RightPanel() const { return rightPanel_; }
  const WindowGeometry& Geometry() const { return geometry_; }

  // "Quit" ends the program without writing the options.
  bool QuitRequested() const { return quitRequested_; }
  void RequestQuit();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void PlaceWidgets();

  EditorContext& ctx_;
  QWidget* area_ = nullptr;
  QWidget* toolbar_ = nullptr;
  QTabWidget* leftPanel_ = nullptr;
  CanvasWidget* canvas_ = nullptr;
  QTabWidget* rightPanel_ = nullptr;
  QMenu* pointMenu_ = nullptr;
  WindowGeometry geometry_;
  std::map<int, QAction*> actions_;
  std::map<int, std::function<void()>> operations_;
  std::function<void(QWidget*)> toolbarFiller_;
  bool resizeBound_ = false;
  bool quitRequested_ = false;
  bool menuClicked_ = false;
};

}  // namespace tavisk
