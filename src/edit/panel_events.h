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

// The undo step a gadget's edit makes: its name, and for a field that is
// held or typed into, a key that joins its edits in a row into one step.
struct PanelStep {
  const char* name;
  int mergeKey;
};
PanelStep PanelStepOf(int gadget);

// A gadget without an entry does nothing.
void HandlePanelEvent(EditorContext& ctx, Gadgets& gadgets, int gadget,
                      const PanelEvent& event = {});

}  // namespace tavisk
