// The main window: menu bar, toolbar strip, left panel, canvas, right panel.
// It owns no scene data: every operation acts on the editor context.
#pragma once

#include <QMainWindow>
#include <functional>
#include <map>
#include <optional>

#include "app/window_layout.h"
#include "document/editor_context.h"
#include "edit/edit_history.h"

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

  // Menu bar, shortcuts, the point pop-up menu and the canvas's context menus.
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
  // Every operation runs as one edit of the history, named after its item.
  void OnMenu(int id);
  void SetEditHistory(EditHistory* history) { history_ = history; }
  // The Undo and Redo items, enabled and named after the steps they take,
  // and the title's mark for unsaved changes.
  void ShowHistory();
  // The title without the mark: the program's, with the document's file name.
  void SetDocumentTitle(const std::string& title);
  // While an operation runs: it was chosen by clicking its item in a menu,
  // so the pointer stands on the menu, not where the user works.
  bool ChosenByMenuClick() const { return menuClicked_; }

  // Pops menu up at the screen position globalPos for a right press at
  // canvasPointer (pixels of the drawing area).
  void PopUpContextMenu(QMenu* menu, QPoint globalPos, QPointF canvasPointer);
  // While an operation chosen from a context menu of the canvas runs: the
  // right press that opened the menu, on the drawing area, where the
  // operation is aimed.
  std::optional<QPointF> ContextPress() const;

  QAction* MenuAction(int id) const;
  QMenu* PointMenu() const { return pointMenu_; }
  QMenu* ShapeMenu() const { return shapeMenu_; }
  QMenu* CanvasMenu() const { return canvasMenu_; }
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
  // The close box asks before unsaved changes are lost.
  void closeEvent(QCloseEvent* event) override;

 private:
  void PlaceWidgets();
  void OnContextMenuItem(int id);

  EditorContext& ctx_;
  EditHistory* history_ = nullptr;
  std::string documentTitle_ = kWindowTitle;
  QWidget* area_ = nullptr;
  QWidget* toolbar_ = nullptr;
  QTabWidget* leftPanel_ = nullptr;
  CanvasWidget* canvas_ = nullptr;
  QTabWidget* rightPanel_ = nullptr;
  QMenu* pointMenu_ = nullptr;
  QMenu* shapeMenu_ = nullptr;
  QMenu* canvasMenu_ = nullptr;
  QPointF contextPress_;
  bool contextChoice_ = false;
  WindowGeometry geometry_;
  std::map<int, QAction*> actions_;
  std::map<int, std::function<void()>> operations_;
  std::function<void(QWidget*)> toolbarFiller_;
  bool resizeBound_ = false;
  bool quitRequested_ = false;
  bool menuClicked_ = false;
};

}  // namespace tavisk
