// Builds the menus and the window-wide shortcuts from the menu tables; every
// item and shortcut reports its number to one callback.
#pragma once

#include <QKeySequence>
#include <functional>
#include <map>
#include <vector>

#include "app/menu_table.h"

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace tavisk {

using MenuCallback = std::function<void(int id)>;

// The actions by item number.
std::map<int, QAction*> BuildMenu(QMenuBar* bar, const std::vector<MenuEntry>& entries,
                                  const MenuCallback& onItem);
std::map<int, QAction*> BuildPopupMenu(QMenu* menu, const std::vector<MenuEntry>& entries,
                                       const MenuCallback& onItem);

struct ShortcutBinding {
  QKeySequence keys;
  int id;
};

const std::vector<ShortcutBinding>& ShortcutTable();

// Shortcuts act whichever control of window has the focus; text and spin
// fields still keep their own editing keys (copy, paste, delete, select all).
void InstallShortcuts(QWidget* window, const MenuCallback& onItem);

// Sets clicked when a mouse button is let go inside one of the menus of bar
// or in popup (the click that chooses an item); a menu opening clears it.
void WatchMenuClicks(QMenuBar* bar, QMenu* popup, bool& clicked);

}  // namespace tavisk
