// Binds each menu item number to its operation.
#pragma once

#include "edit/editor.h"

namespace tavisk {

class MainWindow;

void InstallMenuOperations(MainWindow& window, Editor& ctx);

}  // namespace tavisk
