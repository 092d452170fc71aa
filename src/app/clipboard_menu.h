// Copy and Paste of the Edit menu and the canvas's context menu, through
// the system clipboard.
#pragma once

#include "edit/editor.h"
#include "platform/system_clipboard.h"

namespace tavisk {

class MainWindow;

void InstallClipboardOperations(MainWindow& window, Editor& ctx, SystemClipboard& clipboard);

}  // namespace tavisk
