// Binds each menu item number to its operation.
#pragma once

#include "document/editor_context.h"
#include "edit/edit_history.h"

namespace tavisk {

class MainWindow;

void InstallMenuOperations(MainWindow& window, EditorContext& ctx, EditHistory& history);

}  // namespace tavisk
