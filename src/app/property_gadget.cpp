#include "app/property_gadget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

#include "app/widget_gadgets.h"

namespace tavisk {

namespace {

QWidget* MakeWidget(QWidget* parent, const GadgetSpec& gadget, const std::function<void()>& report) {
  const QString caption = QString::fromUtf8(gadget.caption);
  switch (gadget.kind) {
    case GadgetKind::kSpin: {
      auto* spin = new QSpinBox(parent);
      spin->setRange(gadget.minimum, gadget.maximum);
      QObject::connect(spin, &QSpinBox::valueChanged, parent, report);
      return spin;
    }
    case GadgetKind::kTextField: {
      auto* field = new QLineEdit(caption, parent);
      if (gadget.minimum == 1) field->setValidator(new QIntValidator(field));
      QObject::connect(field, &QLineEdit::textEdited, parent, report);
      return field;
    }
    case GadgetKind::kButton: {
      auto* button = new QPushButton(caption, parent);
      button->setCheckable(gadget.minimum == 1);
      QObject::connect(button, &QPushButton::clicked, parent, report);
      return button;
    }
    case GadgetKind::kCheckBox: {
      auto* check = new QCheckBox(caption, parent);
      QObject::connect(check, &QCheckBox::clicked, parent, report);
      return check;
    }
    case GadgetKind::kDropDown: {
      auto* list = new QComboBox(parent);
      QObject::connect(list, &QComboBox::activated, parent, report);
      return list;
    }
    case GadgetKind::kListBox: {
      auto* list = new QListWidget(parent);
      list->setSelectionMode(QAbstractItemView::MultiSelection);
      // One line of text a row: the rows of a long list are laid out
      // without measuring each.
      list->setUniformItemSizes(true);
      QObject::connect(list, &QListWidget::itemClicked, parent, report);
      return list;
    }
    case GadgetKind::kImageButton: {
      auto* button = new QToolButton(parent);
      button->setCheckable(gadget.minimum == 1);
      if (!gadget.image.isNull()) {
        button->setIcon(QPixmap::fromImage(gadget.image));
        button->setIconSize(gadget.image.size());
      }
      QObject::connect(button, &QToolButton::clicked, parent, report);
      return button;
    }
  }
  return nullptr;
}

void ApplyState(QWidget* widget, int64_t state) {
  const int value = static_cast<int>(state);
  if (auto* spin = qobject_cast<QSpinBox*>(widget)) spin->setValue(value);
  if (auto* list = qobject_cast<QComboBox*>(widget)) list->setCurrentIndex(value);
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) button->setChecked(state != 0);
}

}  // namespace

QWidget* AddPropertyGadget(QWidget* parent, GadgetSink& sink, const GadgetSpec& gadget) {
  int x = gadget.x;
  const bool labelled = gadget.caption[0] != '\0' &&
                        (gadget.kind == GadgetKind::kSpin || gadget.kind == GadgetKind::kTextField);
  if (labelled) {
    auto* label = new QLabel(QString::fromUtf8(gadget.caption), parent);
    label->setGeometry(x, gadget.y + 2, kCaptionWidth, gadget.height);
    x += kCaptionWidth;
  }
  const int id = gadget.id;
  const auto onEvent = sink.onEvent;
  QWidget* widget = MakeWidget(parent, gadget, [onEvent, id] {
    if (onEvent) onEvent(id);
  });
  if (widget == nullptr) return nullptr;
  widget->setGeometry(x, gadget.y, gadget.width, gadget.height);
  if (gadget.tooltip[0] != '\0') widget->setToolTip(QString::fromUtf8(gadget.tooltip));
  if (gadget.state != kNoState) {
    const QSignalBlocker quiet(widget);
    ApplyState(widget, gadget.state);
  }
  if (gadget.id >= 0) sink.gadgets.Register(gadget.id, widget);
  return widget;
}

}  // namespace tavisk
