#include "app/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QResizeEvent>
#include <QScreen>
#include <QTabWidget>
#include <QThread>

#include "app/canvas_widget.h"
#include "app/menus.h"
#include "app/side_panel.h"
#include "edit/gadget_ids.h"
#include "edit/unsaved_changes.h"
#include "io/options/options_file.h"

namespace tavisk {

namespace {

void Place(QWidget* widget, const Box& box) {
  widget->setGeometry(box.x, box.y, std::max(box.w, 0), std::max(box.h, 0));
}

}  // namespace

MainWindow::MainWindow(EditorContext& ctx) : ctx_(ctx) {
  setWindowTitle(QString::fromUtf8(kWindowTitle));
  const sPzOptions& o = ctx_.Options;
  const QScreen* shown = screen();
  const QRect available = shown != nullptr ? shown->availableGeometry() : QRect();
  const WindowSize size = OpeningWindowSize(
      o.WinW, o.WinH, {available.x(), available.y(), available.width(), available.height()});
  const int width = size.w;
  const int height = size.h;
  resize(width, height);

  area_ = new QWidget(this);
  setCentralWidget(area_);
  geometry_ = LayoutGeometry(width, height, o.PanelW, o.ToolBarH);
  leftPanel_ = MakeSidePanel(area_, kGadgetLeftPanel, {"Shapes", "Color", "FX"});
  canvas_ = new CanvasWidget(area_);
  canvas_->setProperty("gadget", static_cast<int>(kGadgetCanvas));
  rightPanel_ = MakeSidePanel(area_, kGadgetRightPanel, {"Object", "Options"});
  PlaceWidgets();
}

void MainWindow::BuildMenus() {
  const MenuCallback onItem = [this](int id) { OnMenu(id); };
  actions_ = BuildMenu(menuBar(), MainMenuEntries(), onItem);
  pointMenu_ = new QMenu(this);
  for (const auto& [id, action] : BuildPopupMenu(pointMenu_, PointMenuEntries(), onItem)) {
    actions_[id] = action;
  }
  // Their items are the menu bar's operations, aimed at the right press.
  const MenuCallback onContextItem = [this](int id) { OnContextMenuItem(id); };
  shapeMenu_ = new QMenu(this);
  BuildPopupMenu(shapeMenu_, ShapeMenuEntries(), onContextItem);
  canvasMenu_ = new QMenu(this);
  BuildPopupMenu(canvasMenu_, CanvasMenuEntries(), onContextItem);
  InstallShortcuts(this, onItem);
  WatchMenuClicks(menuBar(), pointMenu_, menuClicked_);
  const sPzOptions& o = ctx_.Options;
  actions_[kMenuShowGrid]->setChecked(o.ShowGrid == 1);
  actions_[kMenuShowCameraBorder]->setChecked(o.ShowCameraBorder == 1);
  actions_[kMenuHideAnchor]->setChecked(o.HideAncre == 1);
  actions_[kMenuShowSelection]->setChecked(o.ShowSelection == 1);
  actions_[kMenuShowOnlySelected]->setChecked(o.ShowOnlySel == 1);
}

void MainWindow::PlaceWidgets() {
  if (toolbar_ != nullptr) Place(toolbar_, geometry_.toolbar);
  Place(leftPanel_, geometry_.leftPanel);
  Place(canvas_, geometry_.canvas);
  Place(rightPanel_, geometry_.rightPanel);
}

void MainWindow::CentreOnScreen() {
  const QScreen* shown = screen();
  if (shown == nullptr) return;
  const QRect available = shown->availableGeometry();
  const QRect frame = frameGeometry();
  const Corner corner = CentredCorner(
      {available.x(), available.y(), available.width(), available.height()}, frame.width(),
      frame.height());
  move(corner.x, corner.y);
}

void MainWindow::LayoutWindow() {
  sPzOptions& o = ctx_.Options;
  const int menuBarH = menuBar()->isVisible() ? menuBar()->height() : 0;
  geometry_ = LayoutGeometry(width(), height() - menuBarH, o.PanelW, o.ToolBarH);
  PlaceWidgets();
  ctx_.Hooks->RedrawCanvas();
  o.WinW = static_cast<int16_t>(width());
  o.WinH = static_cast<int16_t>(height());
  o.WinState = WindowStateValue();
  SaveOptions(o);
  BuildToolbar();
}

void MainWindow::BuildToolbar() {
  delete toolbar_;
  toolbar_ = new QWidget(area_);
  toolbar_->setProperty("gadget", static_cast<int>(kGadgetToolbar));
  geometry_.toolbar = {0, 0, ctx_.Options.WinW, std::max<int>(ctx_.Options.ToolBarH, 20)};
  Place(toolbar_, geometry_.toolbar);
  if (toolbarFiller_) toolbarFiller_(toolbar_);
  toolbar_->show();
}

void MainWindow::ApplyWindowState(int64_t state) {
  if (state == kWindowNormal) {
    setWindowState(Qt::WindowNoState);
  } else if (state == kWindowMaximized) {
    setWindowState(Qt::WindowMaximized);
  } else if (state == kWindowMinimized) {
    setWindowState(Qt::WindowMinimized);
  }
}

int64_t MainWindow::WindowStateValue() const {
  if (isMinimized()) return kWindowMinimized;
  if (isMaximized()) return kWindowMaximized;
  return kWindowNormal;
}

void MainWindow::SetMenuOperation(int id, std::function<void()> operation) {
  operations_[id] = std::move(operation);
}

void MainWindow::OnMenu(int id) {
  const auto found = operations_.find(id);
  if (found != operations_.end() && found->second) {
    // Undo and Redo move through the history themselves.
    const bool edit = history_ != nullptr && id != kMenuUndo && id != kMenuRedo;
    if (edit) history_->Begin();
    found->second();
    if (edit) history_->End(MenuItemName(id));
  }
  menuClicked_ = false;
}

void MainWindow::PopUpContextMenu(QMenu* menu, QPoint globalPos, QPointF canvasPointer) {
  contextPress_ = canvasPointer;
  menu->popup(globalPos);
}

void MainWindow::OnContextMenuItem(int id) {
  contextChoice_ = true;
  OnMenu(id);
  contextChoice_ = false;
}

std::optional<QPointF> MainWindow::ContextPress() const {
  if (!contextChoice_) return std::nullopt;
  return contextPress_;
}

void MainWindow::ShowHistory() {
  if (history_ == nullptr) return;
  const auto show = [this](int id, const char* verb, bool enabled, const std::string& step,
                           const char* keys) {
    QAction* action = MenuAction(id);
    if (action == nullptr) return;
    action->setEnabled(enabled);
    const std::string text = std::string(verb) + (step.empty() ? "" : " " + step) + "\t" + keys;
    action->setText(QString::fromStdString(text));
  };
  show(kMenuUndo, "Undo", history_->CanUndo(), history_->UndoName(), "Ctrl+Z");
  show(kMenuRedo, "Redo", history_->CanRedo(), history_->RedoName(), "Ctrl+Shift+Z");
  setWindowTitle(QString::fromStdString(documentTitle_ + (history_->Modified() ? " *" : "")));
}

void MainWindow::SetDocumentTitle(const std::string& title) {
  documentTitle_ = title;
  ShowHistory();
}

QAction* MainWindow::MenuAction(int id) const {
  const auto found = actions_.find(id);
  return found == actions_.end() ? nullptr : found->second;
}

void MainWindow::RequestQuit() {
  quitRequested_ = true;
  // Only a running loop can be left; outside one (a test driving the
  // window) exit would instead end the next loop that starts.
  if (QThread::currentThread()->loopLevel() > 0) QApplication::exit(0);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (history_ != nullptr && !MayLeaveDocument(ctx_, *history_)) {
    event->ignore();
    return;
  }
  QMainWindow::closeEvent(event);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  // Minimising sends no layout: the sizes stored are those of the window
  // the user sees.
  if (resizeBound_ && !isMinimized()) LayoutWindow();
}

}  // namespace tavisk
