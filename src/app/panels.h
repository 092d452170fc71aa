// The left panel's "Shapes", "Color" and "FX" tabs and the right panel's
// "Object" and "Options" tabs, every gadget with its number.
#pragma once

#include "app/editor_icons.h"
#include "app/property_gadget.h"
#include "document/editor_context.h"

class QTabWidget;

namespace tavisk {

class LayerListWidget;

void BuildShapesTab(QWidget* tab, GadgetSink& sink, const EditorIconSet& icons);
void BuildColorTab(QWidget* tab, GadgetSink& sink);
void BuildFxTab(QWidget* tab, GadgetSink& sink);

// The exclusive pair of toggles, on the row of beside and right of it:
// pressing one turns the other off.
void BuildTogglePair(QWidget* tab, GadgetSink& sink, const QWidget* beside);

// The upper part of the "Object" tab; answers the y below it.
int BuildObjectPanel(QWidget* tab, GadgetSink& sink, const EditorIconSet& icons,
                     int panelWidth, LayerListWidget** layerList);
void BuildObjectTab(QWidget* tab, GadgetSink& sink, const EditorIconSet& icons, int panelWidth,
                    LayerListWidget** layerList);
void BuildOptionsTab(QWidget* tab, GadgetSink& sink, const sPzOptions& options);

}  // namespace tavisk
