// The shell's answers to what the core asks of it: title, canvas redraw and
// panel refreshes.
#pragma once

#include "document/editor_hooks.h"

namespace tavisk {

class MainWindow;

class AppHooks : public EditorHooks {
 public:
  explicit AppHooks(MainWindow& window) : window_(window) {}

  void RedrawCanvas(int64_t x, int64_t y, int pick) override;
  void SetWindowTitle(const std::string& title) override;
  void ShowTool(uint8_t tool) override;

 private:
  MainWindow& window_;
};

}  // namespace tavisk
