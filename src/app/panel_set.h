// The panels of the main window: their gadgets by number, the editor icons
// and the object list, built once and refreshed from the records.
#pragma once

#include <string>
#include <vector>

#include "app/editor_icons.h"
#include "app/widget_gadgets.h"
#include "document/editor_context.h"
#include "edit/edit_history.h"
#include "edit/panel_events.h"

namespace tavisk {

class LayerListWidget;
class MainWindow;

class PanelSet {
 public:
  PanelSet(MainWindow& window, EditorContext& ctx, EditHistory& history);

  // Loads the icons; the toolbar and panels use them.
  void LoadIcons();
  // Builds the left and right panels with every gadget.
  void Build();

  WidgetGadgets& Gadgets() { return gadgets_; }
  const EditorIconSet& Icons() const { return icons_; }

  // Draws the layer list from the objects.
  void ShowLayerList();
  void ShowFxPresets(const std::vector<std::string>& names);

 private:
  void OnGadget(int gadget);
  // One panel event as one edit of the history.
  void HandleAsEdit(int gadget, const PanelEvent& event);

  MainWindow& window_;
  EditorContext& ctx_;
  EditHistory& history_;
  WidgetGadgets gadgets_;
  EditorIconSet icons_;
  LayerListWidget* layerList_ = nullptr;
};

}  // namespace tavisk
