#include "app/panel_set.h"

#include <QTabWidget>

#include "app/canvas_widget.h"
#include "app/layer_list_widget.h"
#include "app/main_window.h"
#include "app/panels.h"
#include "app/point_menu.h"
#include "app/side_panel.h"
#include "document/shape_library.h"
#include "edit/fx_presets.h"
#include "edit/gadget_ids.h"
#include "edit/panel_events.h"
#include "edit/property_sync.h"
#include "render/layer_list_painter.h"

namespace tavisk {

PanelSet::PanelSet(MainWindow& window, EditorContext& ctx, EditHistory& history)
    : window_(window), ctx_(ctx), history_(history) {}

void PanelSet::LoadIcons() { icons_ = LoadEditorIcons(ctx_); }

void PanelSet::Build() {
  GadgetSink sink{gadgets_, [this](int gadget) { OnGadget(gadget); }};
  QTabWidget* left = window_.LeftPanel();
  QWidget* shapes = SidePanelPage(left, 0);
  BuildShapesTab(shapes, sink, icons_);
  BuildTogglePair(shapes, sink, gadgets_.Widget(kGadgetPointMenu));
  BuildColorTab(SidePanelPage(left, 1), sink);
  BuildFxTab(SidePanelPage(left, 2), sink);
  QTabWidget* right = window_.RightPanel();
  BuildObjectTab(SidePanelPage(right, 0), sink, icons_, ctx_.Options.PanelW, &layerList_);
  BuildOptionsTab(SidePanelPage(right, 1), sink, ctx_.Options);
  FitSidePanelPages(left);
  FitSidePanelPages(right);

  for (const std::string& file : ListShapeFiles()) gadgets_.AddItem(kGadgetShapeLibrary, file);
  ShowFxPresets(ListFxPresets());
  layerList_->OnPress([this](int x, int y) { HandleAsEdit(kGadgetLayerList, {x, y, false}); });
  layerList_->OnDoubleClick(
      [this](int x, int y) { HandleAsEdit(kGadgetLayerList, {x, y, true}); });
  ShowLayerList();
}

void PanelSet::OnGadget(int gadget) {
  if (gadget == kGadgetPointMenu) {
    ShowPointMenu(window_, ctx_, gadgets_.Widget(kGadgetPointMenu));
    return;
  }
  HandleAsEdit(gadget, {});
  // After adding or deleting a shape the keys go back to the canvas.
  if (gadget == kGadgetShapeAdd || gadget == kGadgetShapeDelete) window_.Canvas()->setFocus();
}

void PanelSet::HandleAsEdit(int gadget, const PanelEvent& event) {
  const PanelStep step = PanelStepOf(gadget);
  history_.Begin(step.mergeKey);
  HandlePanelEvent(ctx_, gadgets_, gadget, event);
  history_.End(step.name, step.mergeKey);
}

void PanelSet::ShowLayerList() {
  if (layerList_ != nullptr) {
    const LayerListPictures pictures{icons_.Layer[0], icons_.Layer[1], icons_.Layer[4],
                                     icons_.Layer[5]};
    layerList_->SetPicture(
        DrawLayerList(ctx_, layerList_->width(), layerList_->height(), pictures));
  }
}

void PanelSet::ShowFxPresets(const std::vector<std::string>& names) {
  gadgets_.ClearItems(kGadgetFxPresets);
  for (const std::string& name : names) gadgets_.AddItem(kGadgetFxPresets, name);
}

}  // namespace tavisk
