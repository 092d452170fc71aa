#include "app/menus.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
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
      {QKeySequence(ctrl | Qt::Key_Z), kMenuUndo},
      {QKeySequence(ctrl | Qt::ShiftModifier | Qt::Key_Z), kMenuRedo},
      {QKeySequence(ctrl | Qt::Key_Y), kMenuRedo},
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

namespace {

// Keypad keys reach a window's shortcuts only on some platforms (the X11
// key mapper offers them without their keypad flag), so the keypad
// bindings are matched here, on the key press itself. With Num Lock off
// the keypad digits arrive as Insert, End, Down and Clear.
class KeypadShortcuts : public QObject {
 public:
  KeypadShortcuts(QWidget* window, MenuCallback onItem)
      : QObject(window), window_(window), onItem_(std::move(onItem)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != window_) return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (key->modifiers() != (Qt::ControlModifier | Qt::KeypadModifier)) return false;
    const int id = MenuOf(key->key());
    if (id < 0) return false;
    onItem_(id);
    return true;
  }

 private:
  // The keypad binding of key, its Num Lock off form taken as the digit.
  static int MenuOf(int key) {
    switch (key) {
      case Qt::Key_Clear:
        key = Qt::Key_5;
        break;
      case Qt::Key_Down:
        key = Qt::Key_2;
        break;
      case Qt::Key_End:
        key = Qt::Key_1;
        break;
      case Qt::Key_Insert:
        key = Qt::Key_0;
        break;
      default:
        break;
    }
    const QKeyCombination wanted(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key(key));
    for (const ShortcutBinding& binding : ShortcutTable()) {
      if (binding.keys[0] == wanted) return binding.id;
    }
    return -1;
  }

  QWidget* window_;
  MenuCallback onItem_;
};

class MenuClickWatcher : public QObject {
 public:
  MenuClickWatcher(QObject* parent, bool& clicked) : QObject(parent), clicked_(clicked) {}

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::Show) clicked_ = false;
    if (event->type() == QEvent::MouseButtonRelease) clicked_ = true;
    return false;
  }

 private:
  bool& clicked_;
};

}  // namespace

void WatchMenuClicks(QMenuBar* bar, QMenu* popup, bool& clicked) {
  auto* watcher = new MenuClickWatcher(bar, clicked);
  QList<QMenu*> menus = bar->findChildren<QMenu*>();
  menus.append(popup);
  for (QMenu* menu : menus) menu->installEventFilter(watcher);
}

void InstallShortcuts(QWidget* window, const MenuCallback& onItem) {
  for (const ShortcutBinding& binding : ShortcutTable()) {
    if (binding.keys[0].keyboardModifiers().testFlag(Qt::KeypadModifier)) continue;
    auto* shortcut = new QShortcut(binding.keys, window);
    shortcut->setContext(Qt::WindowShortcut);
    const int id = binding.id;
    QObject::connect(shortcut, &QShortcut::activated, window, [onItem, id] { onItem(id); });
  }
  QApplication::instance()->installEventFilter(new KeypadShortcuts(window, onItem));
}

}  // namespace tavisk
