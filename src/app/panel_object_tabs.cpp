// The right panel: the current object and the object list, the background.
#include <QScrollArea>
#include <QScrollBar>

#include "app/layer_list_widget.h"
#include "app/panel_rows.h"
#include "app/panels.h"
#include "app/widget_gadgets.h"
#include "edit/gadget_ids.h"

namespace tavisk {

namespace {

using K = GadgetKind;

constexpr int kLeft = 5;

GadgetSpec ImageButton(int id, int x, int y, const QImage& image, const char* tooltip,
                       int toggle = 0) {
  GadgetSpec gadget{id, K::kImageButton, x, y, 20, 20, "", toggle, 0, tooltip};
  gadget.image = image;
  return gadget;
}

}  // namespace

int BuildObjectPanel(QWidget* tab, GadgetSink& sink, const EditorIconSet& icons,
                     int panelWidth, LayerListWidget** layerList) {
  PanelRows rows(tab, kLeft, 10, panelWidth - 10);
  AddPropertyGadget(tab, sink, {kGadgetObjectAlpha, K::kSpin, kLeft, rows.Next(), 50, 20, "", 0,
                                255, "Change the alpha of the object (layer)."});
  AddPropertyGadget(tab, sink, ImageButton(kGadgetObjectLock, kLeft, rows.Next(25), icons.Layer[5],
                                           "Lock the object (layer).", 1));

  auto* scroll = new QScrollArea(tab);
  scroll->setProperty("gadget", static_cast<int>(kGadgetLayerScroll));
  scroll->setGeometry(kLeft, rows.Next(200), panelWidth - 20, 200);
  auto* list = new LayerListWidget(scroll);
  // Narrow enough to fit beside the vertical scroll bar: a row ends with the
  // lock picture at 90, so nothing needs a sideways scroll.
  list->setFixedSize(panelWidth - 42, 500);
  scroll->setWidget(list);
  scroll->verticalScrollBar()->setSingleStep(8);
  scroll->horizontalScrollBar()->setSingleStep(8);
  sink.gadgets.Register(kGadgetLayerList, list);
  *layerList = list;

  const int y = rows.Next();
  const struct {
    int id;
    int icon;
    const char* tooltip;
  } buttons[] = {
      {kGadgetObjectAdd, 2, "Add a new Object (layer)."},
      {kGadgetObjectDelete, 3, "Delete the current Object (Layer)."},
      {kGadgetObjectUp, 6, "Move the Object (Layer) up."},
      {kGadgetObjectDown, 7, "Move the Object (Layer) down."},
  };
  int x = kLeft;
  for (const auto& button : buttons) {
    AddPropertyGadget(tab, sink,
                      ImageButton(button.id, x, y, icons.Layer[static_cast<size_t>(button.icon)],
                                  button.tooltip));
    x += 20 + 3;
  }
  return rows.Next(0);
}

void BuildObjectTab(QWidget* tab, GadgetSink& sink, const EditorIconSet& icons, int panelWidth,
                    LayerListWidget** layerList) {
  const int top = BuildObjectPanel(tab, sink, icons, panelWidth, layerList);
  PanelRows rows(tab, kLeft, top, panelWidth - 10);
  rows.Frame(QStringLiteral("Properties"));
  const struct {
    int id;
    const char* caption;
    int minimum;
    int maximum;
    const char* tooltip;
  } spins[] = {
      {kGadgetObjectX, "X ", -10000, 10000, "Change the X of the objet."},
      {kGadgetObjectY, "Y ", -10000, 10000, "Change the Y of the objet."},
      {kGadgetObjectW, "W ", 0, 100000, "Change the width of the objet."},
      {kGadgetObjectH, "H ", 0, 100000, "Change the height of the objet."},
  };
  for (const auto& spin : spins) {
    AddPropertyGadget(tab, sink, {spin.id, K::kSpin, kLeft + 5, rows.Next(), 80, 20, spin.caption,
                                  spin.minimum, spin.maximum, spin.tooltip});
  }
}

void BuildOptionsTab(QWidget* tab, GadgetSink& sink, const sPzOptions& options) {
  PanelRows rows(tab, kLeft, 10, 140);
  rows.Frame(QStringLiteral("Background"));
  AddPropertyGadget(tab, sink, {kGadgetCheckerBg, K::kCheckBox, kLeft + 5, rows.Next(), 80, 20,
                                "Checker BG ", 0, 0, "Add a checker to the Background.",
                                options.BgImg != 0 ? 1 : 0});
  AddPropertyGadget(tab, sink, {kGadgetColorBg, K::kButton, kLeft + 5, rows.Next(), 80, 20,
                                "Color BG ", 0, 0, "Change the background color."});
}

}  // namespace tavisk
