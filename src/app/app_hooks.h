// The shell's answers to what the core asks of it: title, canvas redraw,
// the shapes under the pointer and panel refreshes.
#pragma once

#include "document/editor_hooks.h"
#include "render/shape_hit_index.h"

namespace tavisk {

class MainWindow;
class PanelSet;
struct EditorContext;

class AppHooks : public EditorHooks {
 public:
  // Tells the canvas renderer that it is told of every edit.
  AppHooks(MainWindow& window, PanelSet& panels, EditorContext& ctx);

  void ShowShapeProperties() override;
  void RedrawCanvas() override;
  int64_t ShapeUnderPointer(const CanvasView& view, int64_t x, int64_t y, bool topmost) override;
  void SetWindowTitle(const std::string& title) override;
  void ShowPointPosition(int64_t x, int64_t y) override;
  void ShowFxPresets(const std::vector<std::string>& names) override;
  void ShowTool(uint8_t tool) override;
  void Changed(const EditorChanges& changes) override;

 private:
  MainWindow& window_;
  PanelSet& panels_;
  EditorContext& ctx_;
  // Every edit of the scene is announced through Changed.
  ShapeHitIndex hit_index_{ShapeHitIndex::Edits::kTold};
};

}  // namespace tavisk
