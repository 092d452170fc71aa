// The three tabs of the current shape.
#include <QComboBox>
#include <QLabel>

#include "app/panel_rows.h"
#include "app/panels.h"
#include "app/widget_gadgets.h"
#include "edit/gadget_ids.h"

namespace tavisk {

namespace {

using K = GadgetKind;

constexpr int kLeft = 10;
constexpr int kGap = 2;
constexpr int kFrameWidth = 140;

void Spin(QWidget* tab, GadgetSink& sink, PanelRows& rows, int id, const char* caption,
          int minimum, int maximum, const char* tooltip, int width = 50) {
  AddPropertyGadget(tab, sink,
                    {id, K::kSpin, kLeft, rows.Next(), width, 20, caption, minimum, maximum,
                     tooltip});
}

void DropDown(QWidget* tab, GadgetSink& sink, int id, int x, int y, int width,
              const char* tooltip, const QString& items, int fields) {
  QWidget* widget = AddPropertyGadget(tab, sink, {id, K::kDropDown, x, y, width, 20, "", 0, 0,
                                                  tooltip});
  const QStringList names = items.split(',');
  auto* list = qobject_cast<QComboBox*>(widget);
  for (int i = 0; i < fields && i < names.size(); ++i) list->addItem(names[i]);
}

// The paint styles offered: the first four of the style names.
const QString kStyles = QStringLiteral("filled,line,dash,dot,custom");

}  // namespace

void BuildShapesTab(QWidget* tab, GadgetSink& sink, const EditorIconSet& icons) {
  PanelRows rows(tab, kLeft, 10, kFrameWidth);
  int y = rows.Next();
  auto* name = new QLabel(QStringLiteral("Name"), tab);
  name->setGeometry(kLeft, y + 2, 30, 20);
  AddPropertyGadget(tab, sink, {kGadgetShapeName, K::kTextField, kLeft + 30, y, 100, 20});

  // The library list takes the whole row so its longest name shows; its
  // buttons go on the row below.
  AddPropertyGadget(tab, sink, {kGadgetShapeLibrary, K::kDropDown, kLeft, rows.Next(), 130, 20,
                                "", 0, 0, "Select the shape to add."});
  y = rows.Next();
  AddPropertyGadget(tab, sink, {kGadgetShapeAdd, K::kButton, kLeft, y, 20, 20, "+", 0, 0,
                                "Add a new complexe Shape."});
  AddPropertyGadget(tab, sink, {kGadgetShapeDelete, K::kButton, kLeft + 20 + kGap, y, 20, 20,
                                "-", 0, 0, "Delete the selected shape."});

  AddPropertyGadget(tab, sink, {kGadgetShapeList, K::kListBox, kLeft, rows.Next(100), 130, 100});

  y = rows.Next();
  AddPropertyGadget(tab, sink, {kGadgetShapeUp, K::kButton, kLeft, y, 50, 20, "Up", 0, 0,
                                "Move the shape up."});
  AddPropertyGadget(tab, sink, {kGadgetShapeDown, K::kButton, kLeft + 55, y, 50, 20, "Down", 0,
                                0, "Move the shape down."});

  y = rows.Next();
  AddPropertyGadget(tab, sink, {kGadgetShapeHide, K::kCheckBox, kLeft, y, 50, 20, "Hide ", 0, 0,
                                "Hide the selected shape."});
  AddPropertyGadget(tab, sink, {kGadgetShapeLock, K::kCheckBox, kLeft + 50 + kGap, y, 50, 20,
                                "Lock ", 0, 0, "Lock the selected shape."});
  y = rows.Next();
  AddPropertyGadget(
      tab, sink,
      {kGadgetShapeLink, K::kCheckBox, kLeft, y, 50, 20, "Link ", 0, 0,
       "To link the shape with the next shape and get 'hole' in shape if intersection instead "
       "of filled color."});
  AddPropertyGadget(tab, sink, {kGadgetShapeClose, K::kCheckBox, kLeft + 50 + kGap, y, 50, 20,
                                "Close ", 0, 0, "Close the path (line, curve, complexe shape)"});

  Spin(tab, sink, rows, kGadgetShapeX, "X ", -100000, 100000, "Set the X position of the shape.");
  Spin(tab, sink, rows, kGadgetShapeY, "Y ", -100000, 100000, "Set the Y position of the shape.");
  Spin(tab, sink, rows, kGadgetShapeW, "W ", 0, 10000, "Set the width of the shape.");
  Spin(tab, sink, rows, kGadgetShapeH, "H ", 0, 10000, "Set the height of the shape.");

  rows.Frame(QStringLiteral("Center"));
  Spin(tab, sink, rows, kGadgetShapeCX, "CX", -10000, 10000, "Change the center X (offset)");
  Spin(tab, sink, rows, kGadgetShapeCY, "Cy", -10000, 10000, "Change the center Y (offset)");

  rows.Frame(QStringLiteral("Points"));
  GadgetSpec points{kGadgetPointMenu, K::kImageButton, kLeft, rows.Next(), 20, 20, "", 0, 16,
                    "Open the properties menu for the points"};
  points.image = icons.Editor[16];
  AddPropertyGadget(tab, sink, points);
  Spin(tab, sink, rows, kGadgetPointX, "X: ", -1000, 1000,
       "Position X of the point (or the shape for box, ellipse, image, text).");
  Spin(tab, sink, rows, kGadgetPointY, "Y: ", -1000, 1000,
       "Position Y of the point (or the shape for box, ellipse, image, text).");
}

void BuildColorTab(QWidget* tab, GadgetSink& sink) {
  PanelRows rows(tab, kLeft, 10, kFrameWidth);
  rows.Frame(QStringLiteral("Color"));
  const int y = rows.Next();
  AddPropertyGadget(tab, sink, {kGadgetShapeAlpha, K::kSpin, kLeft, y, 45, 20, "Alpha", 0, 255,
                                "Change alpha of the shape."});
  AddPropertyGadget(tab, sink, {kGadgetShapeColor, K::kButton, kLeft + 35 + 45 + kGap, y, 50, 20,
                                "Color"});
  AddPropertyGadget(tab, sink, {kGadgetShapeText, K::kButton, kLeft, rows.Next(), 80, 20, "Text",
                                0, 0, "Change the text"});
  AddPropertyGadget(tab, sink, {kGadgetShapeFont, K::kButton, kLeft, rows.Next(), 80, 20, "Font",
                                0, 0, "Change the text font"});

  rows.Frame(QStringLiteral("Style"));
  DropDown(tab, sink, kGadgetShapeStyle, kLeft, rows.Next(), 100,
           "Change the type of the shape (line, filled..).", kStyles, 4);
  Spin(tab, sink, rows, kGadgetShapeWidth, "Width", 0, 1000,
       "Change the width of the line shape.");
  Spin(tab, sink, rows, kGadgetShapeHeight, "Height", 0, 1000,
       "Change the Height of the line shape.");
  Spin(tab, sink, rows, kGadgetShapeDist, "Dist", 0, 1000,
       "Change the distance for the line shape (dot line).");
}

void BuildFxTab(QWidget* tab, GadgetSink& sink) {
  PanelRows rows(tab, kLeft, 10, kFrameWidth);
  rows.Frame(QStringLiteral("Presets"));
  int y = rows.Next();
  AddPropertyGadget(tab, sink, {kGadgetFxPresets, K::kDropDown, kLeft, y, 60, 20, "", 0, 0,
                                "Select a preset for the Fx, if you prefer ;)."});
  AddPropertyGadget(tab, sink, {kGadgetFxPresetAdd, K::kButton, kLeft + 60 + kGap, y, 20, 20, "+",
                                0, 0, "Add a new preset."});
  AddPropertyGadget(tab, sink, {kGadgetFxPresetSave, K::kButton, kLeft + 82 + kGap, y, 30, 20,
                                "Save", 0, 0, "Save the current parameter of the preset."});

  rows.Frame(QStringLiteral("Parameters"));
  y = rows.Next();
  AddPropertyGadget(tab, sink, {kGadgetFxList, K::kDropDown, kLeft, y, 100, 20, "", 0, 0,
                                "Select the Fx to change."});
  AddPropertyGadget(tab, sink, {kGadgetFxAdd, K::kButton, kLeft + 100 + kGap, y, 20, 20, "+", 0, 0,
                                "Add a new Fx for the shape."});
  AddPropertyGadget(tab, sink, {kGadgetFxActif, K::kCheckBox, kLeft, rows.Next(), 80, 20, "Actif",
                                0, 0, "Set the Fx actif."});

  rows.Frame(QStringLiteral("Style"));
  DropDown(tab, sink, kGadgetFxType, kLeft, rows.Next(), 100, "Set the type of the Fx.", kStyles,
           4);
  Spin(tab, sink, rows, kGadgetFxWidth, "Width", 0, 1000, "Change the width of the line Fx.");
  Spin(tab, sink, rows, kGadgetFxHeight, "Height", 0, 1000, "Change the height of the line Fx.");
  Spin(tab, sink, rows, kGadgetFxDist, "Dist", 0, 1000,
       "Change the distance for the line Fx (dot line).");
  Spin(tab, sink, rows, kGadgetFxX, "X : ", -10000, 10000, "Set the X of the Fx.");
  Spin(tab, sink, rows, kGadgetFxY, "Y : ", -10000, 10000, "Set the Y of the Fx.");
  Spin(tab, sink, rows, kGadgetFxAlpha, "Alpha", 0, 255, "Set the alpha of the Fx.");
  AddPropertyGadget(tab, sink, {kGadgetFxColor, K::kButton, kLeft, rows.Next(), 30, 20,
                                "Color", 0, 0, "Set the color of the Fx."});
  Spin(tab, sink, rows, kGadgetFxScale, "Scale", -10000, 10000, "Set the scale of the Fx.");
  DropDown(tab, sink, kGadgetFxDepth, kLeft, rows.Next(), 100, "Set the depth of the Fx.",
           QStringLiteral("Back,Front,All back,All front"), 4);
}

}  // namespace tavisk
