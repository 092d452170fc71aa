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

QWidget* MakeWidget(QWidget* parent, const GadgetSpec& spec, const std::function<void()>& report) {
  const QString caption = QString::fromUtf8(spec.caption);
  switch (spec.kind) {
    case GadgetKind::kSpin: {
      auto* spin = new QSpinBox(parent);
      spin->setRange(spec.minimum, spec.maximum);
      QObject::connect(spin, &QSpinBox::valueChanged, parent, report);
      return spin;
    }
    case GadgetKind::kTextField: {
      auto* field = new QLineEdit(caption, parent);
      if (spec.minimum == 1) field->setValidator(new QIntValidator(field));
      QObject::connect(field, &QLineEdit::textEdited, parent, report);
      return field;
    }
    case GadgetKind::kButton: {
      auto* button = new QPushButton(caption, parent);
      button->setCheckable(spec.minimum == 1);
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
      QObject::connect(list, &QListWidget::itemClicked, parent, report);
      return list;
    }
    case GadgetKind::kImageButton: {
      auto* button = new QToolButton(parent);
      button->setCheckable(spec.minimum == 1);
      if (!spec.image.isNull()) {
        button->setIcon(QPixmap::fromImage(spec.image));
        button->setIconSize(spec.image.size());
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

QWidget* AddPropertyGadget(QWidget* parent, GadgetSink& sink, const GadgetSpec& spec) {
  int x = spec.x;
  const bool labelled = spec.caption[0] != '\0' &&
                        (spec.kind == GadgetKind::kSpin || spec.kind == GadgetKind::kTextField);
  if (labelled) {
    auto* label = new QLabel(QString::fromUtf8(spec.caption), parent);
    label->setGeometry(x, spec.y + 2, kCaptionWidth, spec.height);
    x += kCaptionWidth;
  }
  const int id = spec.id;
  const auto onEvent = sink.onEvent;
  QWidget* widget = MakeWidget(parent, spec, [onEvent, id] {
    if (onEvent) onEvent(id);
  });
  if (widget == nullptr) return nullptr;
  widget->setGeometry(x, spec.y, spec.width, spec.height);
  if (spec.tooltip[0] != '\0') widget->setToolTip(QString::fromUtf8(spec.tooltip));
  if (spec.state != kNoState) {
    const QSignalBlocker quiet(widget);
    ApplyState(widget, spec.state);
  }
  if (spec.id >= 0) sink.gadgets.Register(spec.id, widget);
  return widget;
}

}  // namespace tavisk
