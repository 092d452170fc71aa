// What each panel gadget does to the records when the user changes it: one
// table keyed by gadget number.
#pragma once

#include "document/editor_context.h"
#include "edit/gadgets.h"

namespace tavisk {

// Where the pointer was, for the object list.
struct PanelEvent {
  int x = 0;
  int y = 0;
  bool doubleClick = false;
};

// A gadget without an entry does nothing.
void HandlePanelEvent(EditorContext& ctx, Gadgets& gadgets, int gadget,
                      const PanelEvent& event = {});

}  // namespace tavisk
