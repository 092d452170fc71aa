#include "app/point_menu.h"

#include <QCursor>
#include <QMenu>

#include "app/main_window.h"

namespace tavisk {

void ShowPointMenu(MainWindow& window, EditorContext& ctx, QWidget* button) {
  if (ctx.CurrentShape == -1 || window.PointMenu() == nullptr) return;
  const int x = button->mapToGlobal(QPoint(0, 0)).x() + 5;
  window.PointMenu()->popup(QPoint(x, QCursor::pos().y()));
}

}  // namespace tavisk
