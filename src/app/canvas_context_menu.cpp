#include "app/canvas_context_menu.h"

#include <QMenu>

#include "app/canvas_widget.h"
#include "app/main_window.h"
#include "edit/context_press.h"

namespace tavisk {

namespace {

QMenu* MenuFor(const MainWindow& window, ContextTarget target) {
  switch (target) {
    case ContextTarget::Point:
      return window.PointMenu();
    case ContextTarget::Shape:
      return window.ShapeMenu();
    case ContextTarget::Canvas:
      break;
  }
  return window.CanvasMenu();
}

}  // namespace

void OpenCanvasContextMenu(MainWindow& window, Editor& ctx, EditHistory& history,
                           const CanvasInput& press) {
  if (ctx.ButtonDown || ctx.SpaceHeld) return;
  const std::optional<ScenePointer> pointer = PointerToScene(ctx, press.x, press.y);
  if (!pointer) return;
  // What the press makes current is announced as any edit's changes are,
  // so the panels show it before the menu opens.
  history.Begin();
  const ContextTarget target = PressForContextMenu(ctx, *pointer);
  history.End("Select");
  const CanvasWidget* canvas = window.Canvas();
  const QPointF at(press.x, press.y);
  const QPoint global =
      canvas->mapToGlobal(QPointF(canvas->contentsRect().topLeft()) + at).toPoint();
  window.PopUpContextMenu(MenuFor(window, target), global, at);
}

}  // namespace tavisk
