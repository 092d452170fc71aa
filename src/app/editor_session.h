// One running editor: its context, its window and the hooks between them,
// from start-up to the end of the loop.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/app_hooks.h"
#include "app/canvas_frames.h"
#include "app/main_window.h"
#include "app/panel_set.h"
#include "edit/canvas_tools.h"
#include "edit/edit_history.h"
#include "edit/editor.h"
#include "platform/system_clipboard.h"

class QObject;

namespace tavisk {

struct EditorSession {
  Editor ctx;
  EditHistory history{ctx};
  std::unique_ptr<MainWindow> window;
  // Ends before the window: its landing repaints the window's canvas.
  std::unique_ptr<CanvasFrames> frames;
  std::unique_ptr<PanelSet> panels;
  std::unique_ptr<AppHooks> hooks;
  std::unique_ptr<QObject> eventFilter;
  std::unique_ptr<CanvasTools> tools;
  std::unique_ptr<SystemClipboard> clipboard;
  std::vector<std::string> tips;
};

// Everything from the creation of the scene to the moment the loop starts:
// options, window, menus, panels, first drawing and object, autosave clock,
// the tip. The requesters answer every box shown on the way.
std::unique_ptr<EditorSession> StartEditor(Requesters& requesters);

// After the loop: the close box writes the options, "Quit" does not.
void FinishEditor(EditorSession& session);

}  // namespace tavisk
