#include "app/toolbar.h"

#include <QCheckBox>
#include <QPixmap>
#include <QComboBox>
#include <QSpinBox>
#include <QToolButton>
#include <QWidget>
#include <algorithm>

#include "edit/gadget_ids.h"

namespace tavisk {

namespace {

struct ToolButtonSpec {
  int gadget;
  int icon;           // slot of the editor icons
  const char* label;  // shown when the icon file is missing
  const char* tooltip;
  int gapAfter;  // pixels after this button when wider than the usual 1
};

const ToolButtonSpec kToolButtons[] = {
    {kGadgetToolComplexShape, 8, "Sh", "Add a complex shape.", 1},
    {kGadgetToolBox, 9, "Bx", "Add a box.", 1},
    {kGadgetToolRoundBox, 10, "Rb", "Add a rounded box.", 1},
    {kGadgetToolCircle, 11, "Ci", "Add a circle.", 1},
    {kGadgetToolLine, 12, "Li", "Add a line.", 1},
    {kGadgetToolCurve, 13, "Cu", "Add a curve.", 1},
    {kGadgetToolImage, 14, "Im", "Add a image.", 1},
    {kGadgetToolText, 15, "Tx", "Add a text.", 6},
    {kGadgetToolSelect, 5, "Se", "Select the Shape.", 1},
    {kGadgetToolMove, 0, "Mv", "Move the Shape or the points.", 1},
    {kGadgetToolScale, 2, "Sc", "Scale the shape.", 1},
    {kGadgetToolRotate, 1, "Ro", "Rotate the shape.", 5},
    {kGadgetToolAddPoint, 3, "+P", "Add a point.", 1},
    {kGadgetToolDeletePoint, 4, "-P", "Delete a point.", 6},
};

void Tag(QWidget* widget, int gadget, const char* tooltip) {
  widget->setProperty("gadget", gadget);
  widget->setToolTip(QString::fromUtf8(tooltip));
}

}  // namespace

QWidget* ToolbarGadget(QWidget* strip, int gadget) {
  if (strip == nullptr) return nullptr;
  for (QWidget* child : strip->findChildren<QWidget*>()) {
    if (child->property("gadget").toInt() == gadget) return child;
  }
  return nullptr;
}

void FillToolbar(QWidget* strip, EditorContext& ctx, const EditorIconSet& icons,
                 const std::function<void(uint8_t)>& onTool) {
  int x = 5;
  for (const ToolButtonSpec& entry : kToolButtons) {
    auto* button = new QToolButton(strip);
    Tag(button, entry.gadget, entry.tooltip);
    const QImage& icon = icons.Editor[static_cast<size_t>(entry.icon)];
    if (icon.isNull()) {
      button->setText(QString::fromUtf8(entry.label));
    } else {
      button->setIcon(QPixmap::fromImage(icon));
      button->setIconSize(QSize(21, 21));
    }
    button->setCheckable(true);
    button->setGeometry(x, 0, 25, 25);
    const auto tool = static_cast<uint8_t>(entry.gadget - 2);
    QObject::connect(button, &QToolButton::clicked, strip, [onTool, tool] { onTool(tool); });
    x += 25 + entry.gapAfter;
  }

  auto* offset = new QComboBox(strip);
  Tag(offset, kGadgetOffsetList, "Choose the offset for transformation.");
  offset->addItems(QString("Origin,Cursor,Bounding box,Selected shape").split(','));
  offset->setCurrentIndex(std::min<int>(ctx.Options.Offset, 3));
  offset->setGeometry(x, 2, 80, 20);
  QObject::connect(offset, &QComboBox::activated, strip,
                   [&ctx](int index) { ctx.Options.Offset = static_cast<uint8_t>(index); });
  x += 80 + 6;

  auto* snap = new QCheckBox(QStringLiteral("Snap"), strip);
  Tag(snap, kGadgetSnap, "Set the Snap.");
  snap->setChecked(ctx.Options.Snap != 0);
  snap->setGeometry(x, 2, 45, 20);
  x += 45 + 1;

  QSpinBox* steps[2];
  const int gadgets[2] = {kGadgetSnapX, kGadgetSnapY};
  const char* tooltips[2] = {"Set the Snap X.", "Set the Snap Y."};
  const int16_t values[2] = {ctx.Options.SnapX, ctx.Options.SnapY};
  for (int i = 0; i < 2; ++i) {
    steps[i] = new QSpinBox(strip);
    Tag(steps[i], gadgets[i], tooltips[i]);
    steps[i]->setRange(1, 100000);
    steps[i]->setValue(values[i]);
    steps[i]->setGeometry(x, 2, 45, 20);
    x += 45 + 1;
  }
  // The three snap gadgets are read and written together; a step stays
  // within 1 and what its 16-bit option holds.
  const auto store = [&ctx, snap, steps] {
    ctx.Options.Snap = snap->isChecked() ? 1 : 0;
    ctx.Options.SnapX = static_cast<int16_t>(std::clamp(steps[0]->value(), 1, 32767));
    ctx.Options.SnapY = static_cast<int16_t>(std::clamp(steps[1]->value(), 1, 32767));
  };
  QObject::connect(snap, &QCheckBox::toggled, strip, store);
  for (QSpinBox* step : steps) QObject::connect(step, &QSpinBox::valueChanged, strip, store);
}

void ShowToolPressed(QWidget* strip, uint8_t tool) {
  if (strip == nullptr) return;
  for (QToolButton* button : strip->findChildren<QToolButton*>()) {
    const int gadget = button->property("gadget").toInt();
    button->setChecked(gadget == tool + 2);
  }
}

}  // namespace tavisk
