#include "app/menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QWidget>

namespace tavisk {

namespace {

QAction* AddItem(QMenu* menu, const MenuEntry& entry, const MenuCallback& onItem) {
  QAction* action = menu->addAction(QString::fromUtf8(entry.text));
  action->setCheckable(entry.kind == MenuEntry::kCheckItem);
  const int id = entry.id;
  QObject::connect(action, &QAction::triggered, action, [onItem, id] { onItem(id); });
  return action;
}

// Fills menu from entries[index...] until the end of its level.
void FillMenu(QMenu* menu, const std::vector<MenuEntry>& entries, size_t& index,
              const MenuCallback& onItem, std::map<int, QAction*>& actions) {
  while (index < entries.size()) {
    const MenuEntry& entry = entries[index];
    switch (entry.kind) {
      case MenuEntry::kTitle:
      case MenuEntry::kEndSubMenu:
        return;
      case MenuEntry::kSubMenu: {
        QMenu* sub = menu->addMenu(QString::fromUtf8(entry.text));
        ++index;
        FillMenu(sub, entries, index, onItem, actions);
        if (index < entries.size() && entries[index].kind == MenuEntry::kEndSubMenu) ++index;
        continue;
      }
      case MenuEntry::kSeparator:
        menu->addSeparator();
        break;
      case MenuEntry::kItem:
      case MenuEntry::kCheckItem:
        actions[entry.id] = AddItem(menu, entry, onItem);
        break;
    }
    ++index;
  }
}

}  // namespace

std::map<int, QAction*> BuildMenu(QMenuBar* bar, const std::vector<MenuEntry>& entries,
                                  const MenuCallback& onItem) {
  std::map<int, QAction*> actions;
  size_t index = 0;
  while (index < entries.size()) {
    const MenuEntry& entry = entries[index++];
    if (entry.kind != MenuEntry::kTitle) continue;
    QMenu* menu = bar->addMenu(QString::fromUtf8(entry.text));
    FillMenu(menu, entries, index, onItem, actions);
  }
  return actions;
}

std::map<int, QAction*> BuildPopupMenu(QMenu* menu, const std::vector<MenuEntry>& entries,
                                       const MenuCallback& onItem) {
  std::map<int, QAction*> actions;
  size_t index = 0;
  FillMenu(menu, entries, index, onItem, actions);
  return actions;
}

const std::vector<ShortcutBinding>& ShortcutTable() {
  const auto ctrl = Qt::ControlModifier;
  const auto pad = Qt::KeypadModifier;
  static const std::vector<ShortcutBinding> table = {
      {QKeySequence(ctrl | Qt::Key_O), kMenuLoadDocument},
      {QKeySequence(ctrl | Qt::Key_N), kMenuNewDocument},
      {QKeySequence(ctrl | Qt::Key_S), kMenuSave},
      {QKeySequence(ctrl | Qt::Key_E), kMenuExportDrawnArea},
      {QKeySequence(ctrl | Qt::Key_C), kMenuCopyShape},
      {QKeySequence(ctrl | Qt::Key_V), kMenuPaste},
      {QKeySequence(ctrl | Qt::Key_D), kMenuDeselectAll},
      {QKeySequence(ctrl | Qt::Key_A), kMenuSelectAll},
      {QKeySequence(ctrl | pad | Qt::Key_Plus), kMenuZoomIn},
      {QKeySequence(ctrl | pad | Qt::Key_Minus), kMenuZoomOut},
      {QKeySequence(ctrl | pad | Qt::Key_5), kMenuZoom50},
      {QKeySequence(ctrl | pad | Qt::Key_2), kMenuZoom200},
      {QKeySequence(ctrl | pad | Qt::Key_1), kMenuZoom100},
      {QKeySequence(ctrl | pad | Qt::Key_0), kMenuViewReset},
      {QKeySequence(ctrl | Qt::Key_G), kMenuShowGrid},
      {QKeySequence(Qt::Key_Delete), kMenuDeleteShape},
      {QKeySequence(Qt::Key_F1), kMenuHelpHtml},
  };
  return table;
}

void InstallShortcuts(QWidget* window, const MenuCallback& onItem) {
  for (const ShortcutBinding& binding : ShortcutTable()) {
    auto* shortcut = new QShortcut(binding.keys, window);
    shortcut->setContext(Qt::WindowShortcut);
    const int id = binding.id;
    QObject::connect(shortcut, &QShortcut::activated, window, [onItem, id] { onItem(id); });
  }
}

}  // namespace tavisk
