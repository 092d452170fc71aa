#include "app/widget_gadgets.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QItemSelection>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QSpinBox>
#include <algorithm>
#include <vector>

namespace tavisk {

void WidgetGadgets::Register(int gadget, QWidget* widget) {
  widget->setProperty("gadget", gadget);
  widgets_[gadget] = widget;
}

QWidget* WidgetGadgets::Widget(int gadget) const {
  const auto found = widgets_.find(gadget);
  return found == widgets_.end() ? nullptr : found->second;
}

bool WidgetGadgets::Exists(int gadget) const {
  return Widget(gadget) != nullptr;
}

int64_t WidgetGadgets::State(int gadget) const {
  QWidget* widget = Widget(gadget);
  if (auto* spin = qobject_cast<QSpinBox*>(widget)) return spin->value();
  if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->currentIndex();
  if (auto* list = qobject_cast<QListWidget*>(widget)) return list->currentRow();
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->isChecked() ? 1 : 0;
  if (auto* field = qobject_cast<QLineEdit*>(widget)) return field->text().toLongLong();
  return 0;
}

void WidgetGadgets::SetState(int gadget, int64_t state) {
  QWidget* widget = Widget(gadget);
  if (widget == nullptr) return;
  const QSignalBlocker quiet(widget);
  const int value = static_cast<int>(state);
  if (auto* spin = qobject_cast<QSpinBox*>(widget)) {
    spin->setValue(value);
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    combo->setCurrentIndex(value < combo->count() ? value : -1);
  } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
    const QSignalBlocker quietSelection(list->selectionModel());
    list->setCurrentRow(value, QItemSelectionModel::NoUpdate);
    // The blocked signals would have scrolled to it: the current row shows.
    if (QListWidgetItem* current = list->item(value)) list->scrollToItem(current);
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setChecked(state != 0);
  } else if (auto* field = qobject_cast<QLineEdit*>(widget)) {
    field->setText(QString::number(state));
  }
}

std::string WidgetGadgets::Text(int gadget) const {
  QWidget* widget = Widget(gadget);
  if (auto* field = qobject_cast<QLineEdit*>(widget)) return field->text().toStdString();
  if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->currentText().toStdString();
  if (auto* list = qobject_cast<QListWidget*>(widget)) {
    return list->currentItem() ? list->currentItem()->text().toStdString() : std::string();
  }
  if (auto* spin = qobject_cast<QSpinBox*>(widget)) return spin->text().toStdString();
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text().toStdString();
  return {};
}

void WidgetGadgets::SetText(int gadget, const std::string& text) {
  QWidget* widget = Widget(gadget);
  if (widget == nullptr) return;
  const QSignalBlocker quiet(widget);
  const QString value = QString::fromStdString(text);
  if (auto* field = qobject_cast<QLineEdit*>(widget)) {
    field->setText(value);
  } else if (auto* spin = qobject_cast<QSpinBox*>(widget)) {
    spin->setValue(value.toInt());
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(value);
  }
}

void WidgetGadgets::ClearItems(int gadget) {
  QWidget* widget = Widget(gadget);
  const QSignalBlocker quiet(widget);
  if (auto* combo = qobject_cast<QComboBox*>(widget)) combo->clear();
  if (auto* list = qobject_cast<QListWidget*>(widget)) {
    list->clear();
    list_items_[gadget].clear();
  }
}

void WidgetGadgets::AddItem(int gadget, const std::string& text) {
  QWidget* widget = Widget(gadget);
  const QSignalBlocker quiet(widget);
  if (auto* combo = qobject_cast<QComboBox*>(widget)) combo->addItem(QString::fromStdString(text));
  if (auto* list = qobject_cast<QListWidget*>(widget)) {
    list->addItem(QString::fromStdString(text));
    list_items_[gadget].push_back(text);
  }
}

// Only the run between the unchanged head and tail is replaced: a click
// leaves the rows alone, an edit of one shape touches one row.
void WidgetGadgets::SetItems(int gadget, const std::vector<std::string>& items) {
  auto* list = qobject_cast<QListWidget*>(Widget(gadget));
  if (list == nullptr) {
    Gadgets::SetItems(gadget, items);
    return;
  }
  std::vector<std::string>& shown = list_items_[gadget];
  const auto [head, ignored] = std::mismatch(shown.begin(), shown.end(), items.begin(), items.end());
  const size_t same_head = static_cast<size_t>(head - shown.begin());
  size_t same_tail = 0;
  while (same_tail < shown.size() - same_head && same_tail < items.size() - same_head &&
         shown[shown.size() - 1 - same_tail] == items[items.size() - 1 - same_tail]) {
    ++same_tail;
  }
  const size_t removed = shown.size() - same_head - same_tail;
  const size_t added = items.size() - same_head - same_tail;
  if (removed == 0 && added == 0) return;
  const QSignalBlocker quiet(list);
  const int at = static_cast<int>(same_head);
  if (removed > 0) list->model()->removeRows(at, static_cast<int>(removed));
  QStringList rows;
  rows.reserve(static_cast<qsizetype>(added));
  for (size_t i = same_head; i < same_head + added; ++i) rows.push_back(QString::fromStdString(items[i]));
  list->insertItems(at, rows);
  shown.erase(shown.begin() + static_cast<std::ptrdiff_t>(same_head),
              shown.begin() + static_cast<std::ptrdiff_t>(same_head + removed));
  shown.insert(shown.begin() + static_cast<std::ptrdiff_t>(same_head),
               items.begin() + static_cast<std::ptrdiff_t>(same_head),
               items.begin() + static_cast<std::ptrdiff_t>(same_head + added));
}

int WidgetGadgets::ItemCount(int gadget) const {
  QWidget* widget = Widget(gadget);
  if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->count();
  if (auto* list = qobject_cast<QListWidget*>(widget)) return list->count();
  return 0;
}

bool WidgetGadgets::ItemSelected(int gadget, int item) const {
  auto* list = qobject_cast<QListWidget*>(Widget(gadget));
  if (list == nullptr || item < 0 || item >= list->count()) return false;
  return list->item(item)->isSelected();
}

// One selection of the runs of marked rows: selecting rows one by one costs
// a pass over the selection each, seconds for ten thousand shapes.
void WidgetGadgets::SelectItems(int gadget, const std::vector<bool>& selected) {
  auto* list = qobject_cast<QListWidget*>(Widget(gadget));
  if (list == nullptr) return;
  const int rows = std::min(list->count(), static_cast<int>(selected.size()));
  auto marked = [&selected](int row) { return selected[static_cast<size_t>(row)]; };
  QItemSelectionModel* model = list->selectionModel();
  std::vector<bool> now(selected.size(), false);
  for (const QModelIndex& index : model->selectedIndexes()) {
    if (index.row() < rows) now[static_cast<size_t>(index.row())] = true;
  }
  // Refreshes run at every motion of a drag: an unchanged list is left alone.
  if (now == selected) return;
  QItemSelection selection;
  for (int first = 0; first < rows; ++first) {
    if (!marked(first)) continue;
    int last = first;
    while (last + 1 < rows && marked(last + 1)) ++last;
    selection.select(list->model()->index(first, 0), list->model()->index(last, 0));
    first = last;
  }
  const QSignalBlocker quiet(list);
  model->select(selection, QItemSelectionModel::ClearAndSelect);
}

void WidgetGadgets::SetEnabled(int gadget, bool enabled) {
  if (QWidget* widget = Widget(gadget)) widget->setEnabled(enabled);
}

void WidgetGadgets::SetVisible(int gadget, bool visible) {
  if (QWidget* widget = Widget(gadget)) widget->setVisible(visible);
}

}  // namespace tavisk
