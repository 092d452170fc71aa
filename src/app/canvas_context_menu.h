// The context menus of the canvas: a right press opens the point menu on a
// point, the shape menu on a shape and the canvas menu elsewhere.
#pragma once

#include "edit/canvas_tools.h"
#include "edit/edit_history.h"
#include "edit/editor.h"

namespace tavisk {

class MainWindow;

// press is a right press: what it stands on becomes current, then its menu
// pops up under the pointer. Nothing during a gesture.
void OpenCanvasContextMenu(MainWindow& window, Editor& ctx, EditHistory& history,
                           const CanvasInput& press);

}  // namespace tavisk
