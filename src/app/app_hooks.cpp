#include "app/app_hooks.h"

#include <QAction>

#include "app/canvas_widget.h"
#include "app/main_window.h"
#include "app/menu_table.h"
#include "app/panel_set.h"
#include "app/toolbar.h"
#include "edit/gadget_ids.h"
#include "edit/property_sync.h"
#include "edit/selection_edits.h"
#include "render/renderer.h"

namespace tavisk {

AppHooks::AppHooks(MainWindow& window, PanelSet& panels, EditorContext& ctx)
    : window_(window), panels_(panels), ctx_(ctx) {
  TellCanvasOfEdits();
}

void AppHooks::ShowShapeProperties() { tavisk::ShowShapeProperties(ctx_, panels_.Gadgets()); }

void AppHooks::RedrawCanvas() { window_.Canvas()->Redraw(); }

int64_t AppHooks::ShapeUnderPointer(const CanvasView& view, int64_t x, int64_t y, bool topmost) {
  return hit_index_.ShapeUnder(ctx_, view, x, y, topmost);
}

void AppHooks::SetWindowTitle(const std::string& title) { window_.SetDocumentTitle(title); }

void AppHooks::Changed(const EditorChanges& changes) {
  const bool scene = changes.objects || changes.shapes;
  if (scene) {
    hit_index_.SceneEdited();
    CanvasSceneEdited();
  }
  if (scene || changes.cursor) panels_.ShowLayerList();
  if (scene || changes.cursor || changes.selection) FillShapeList(ctx_, panels_.Gadgets());
  if (scene || changes.cursor) ShowShapeProperties();
  // Only paints: an edit made elsewhere than on the canvas must not change
  // the current shape under the user.
  if (scene || changes.cursor || changes.selection) RedrawCanvas();
  if (changes.history) window_.ShowHistory();
  if (QAction* lock = window_.MenuAction(kMenuLockSelection)) {
    lock->setChecked(SelectionLocked(ctx_));
  }
}

void AppHooks::ShowPointPosition(int64_t x, int64_t y) {
  panels_.Gadgets().SetState(kGadgetPointX, x);
  panels_.Gadgets().SetState(kGadgetPointY, y);
}

void AppHooks::ShowFxPresets(const std::vector<std::string>& names) {
  panels_.ShowFxPresets(names);
}

void AppHooks::ShowTool(uint8_t tool) { ShowToolPressed(window_.Toolbar(), tool); }

}  // namespace tavisk
