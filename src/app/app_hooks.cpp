#include "app/app_hooks.h"

#include "app/canvas_widget.h"
#include "app/main_window.h"
#include "app/toolbar.h"

namespace tavisk {

void AppHooks::RedrawCanvas(int64_t x, int64_t y, int pick) { window_.Canvas()->Redraw(x, y, pick); }

void AppHooks::SetWindowTitle(const std::string& title) {
  window_.setWindowTitle(QString::fromStdString(title));
}

}  // namespace tavisk

namespace tavisk {

void AppHooks::ShowTool(uint8_t tool) { ShowToolPressed(window_.Toolbar(), tool); }

}  // namespace tavisk
