// Binds each menu item number to its operation.
#pragma once

#include "document/editor_context.h"

namespace tavisk {

class MainWindow;

void InstallMenuOperations(MainWindow& window, EditorContext& ctx);

}  // namespace tavisk
