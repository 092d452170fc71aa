// The points button of the "Shapes" tab and the pop-up menu it opens.
#pragma once

#include "document/editor_context.h"

class QWidget;

namespace tavisk {

class MainWindow;

void AddPointMenuButton(MainWindow& window, EditorContext& ctx);

// Opens the point menu beside button, at the pointer's height; nothing while
// there is no current shape.
void ShowPointMenu(MainWindow& window, EditorContext& ctx, QWidget* button);

}  // namespace tavisk
