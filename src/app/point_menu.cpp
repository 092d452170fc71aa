#include "app/point_menu.h"

#include <QCursor>
#include <QMenu>
#include <QTabWidget>
#include <QToolButton>

#include "app/gadget_ids.h"
#include "app/main_window.h"

namespace tavisk {

void AddPointMenuButton(MainWindow& window, EditorContext& ctx) {
  auto* button = new QToolButton(window.LeftPanel()->widget(0));
  button->setProperty("gadget", static_cast<int>(kGadgetPointMenu));
  button->setToolTip(QStringLiteral("Open the properties menu for the points"));
  button->setText(QStringLiteral("..."));
  button->setGeometry(10, 10, 20, 20);
  QObject::connect(button, &QToolButton::clicked, button,
                   [&window, &ctx, button] { ShowPointMenu(window, ctx, button); });
}

void ShowPointMenu(MainWindow& window, EditorContext& ctx, QWidget* button) {
  if (ctx.CurrentShape == -1 || window.PointMenu() == nullptr) return;
  const int x = button->mapToGlobal(QPoint(0, 0)).x() + 5;
  window.PointMenu()->popup(QPoint(x, QCursor::pos().y()));
}

}  // namespace tavisk
