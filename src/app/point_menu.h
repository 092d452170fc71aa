// The pop-up menu of the points button of the "Shapes" tab.
#pragma once

#include "document/editor_context.h"

class QWidget;

namespace tavisk {

class MainWindow;

// Opens the point menu beside button, at the pointer's height; nothing while
// there is no current shape.
void ShowPointMenu(MainWindow& window, EditorContext& ctx, QWidget* button);

}  // namespace tavisk
