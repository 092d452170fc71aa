// The shell's answers to what the core asks of it: title, canvas redraw and
// panel refreshes.
#pragma once

#include "document/editor_hooks.h"

namespace tavisk {

class MainWindow;
class PanelSet;
struct EditorContext;

class AppHooks : public EditorHooks {
 public:
  AppHooks(MainWindow& window, PanelSet& panels, EditorContext& ctx)
      : window_(window), panels_(panels), ctx_(ctx) {}

  void ShowShapeProperties() override;
  void RedrawCanvas(int64_t x, int64_t y, int pick) override;
  void SetWindowTitle(const std::string& title) override;
  void ShowPointPosition(int64_t x, int64_t y) override;
  void ShowFxPresets(const std::vector<std::string>& names) override;
  void ShowTool(uint8_t tool) override;
  void Changed(const EditorChanges& changes) override;

 private:
  MainWindow& window_;
  PanelSet& panels_;
  EditorContext& ctx_;
};

}  // namespace tavisk
