// Binds each menu item number to its operation.
#pragma once

#include "edit/edit_history.h"
#include "edit/editor.h"

namespace tavisk {

class MainWindow;

void InstallMenuOperations(MainWindow& window, Editor& ctx, EditHistory& history);

}  // namespace tavisk
