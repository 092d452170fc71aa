#include "app/clipboard_menu.h"

#include <QCursor>
#include <optional>

#include "app/canvas_widget.h"
#include "app/main_window.h"
#include "app/menu_table.h"
#include "edit/clipboard_operations.h"

namespace tavisk {

void InstallClipboardOperations(MainWindow& window, Editor& ctx, SystemClipboard& clipboard) {
  window.SetMenuOperation(kMenuCopyShape, [&ctx, &clipboard] { CopyToClipboard(ctx, clipboard); });
  window.SetMenuOperation(kMenuPaste, [&window, &ctx, &clipboard] {
    // From the canvas's context menu: where the right press was.
    std::optional<QPointF> pointer = window.ContextPress();
    const CanvasWidget* canvas = window.Canvas();
    const QRect drawingArea = canvas->contentsRect();
    const QPoint at = canvas->mapFromGlobal(QCursor::pos());
    if (!pointer && drawingArea.contains(at) && !window.ChosenByMenuClick()) {
      pointer = QPointF(at - drawingArea.topLeft());
    }
    PasteFromClipboard(ctx, clipboard, pointer);
  });
}

}  // namespace tavisk
