// The panel gadgets as the editing code sees them: numbered controls with a
// state (check, toggle, value or selected item), a text and, for lists,
// items. The shell implements it over its widgets; tests pass a fake.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tavisk {

class Gadgets {
 public:
  virtual ~Gadgets() = default;

  virtual bool Exists(int gadget) const = 0;

  // Check box and toggle: 0 or 1. Spin: its value. Drop-down and list: the
  // current item, -1 for none.
  virtual int64_t State(int gadget) const = 0;
  virtual void SetState(int gadget, int64_t state) = 0;

  virtual std::string Text(int gadget) const = 0;
  virtual void SetText(int gadget, const std::string& text) = 0;

  virtual void ClearItems(int gadget) = 0;
  virtual void AddItem(int gadget, const std::string& text) = 0;
  // The list shows exactly these items. Rows already showing the same item
  // may be kept: refreshing a list of thousands of shapes after a click
  // must not build them all again.
  virtual void SetItems(int gadget, const std::vector<std::string>& items) {
    ClearItems(gadget);
    for (const std::string& item : items) AddItem(gadget, item);
  }
  virtual int ItemCount(int gadget) const = 0;
  virtual bool ItemSelected(int gadget, int item) const = 0;
  // Exactly the items marked become selected, all at once: lists of
  // thousands of shapes are selected in one pass.
  virtual void SelectItems(int gadget, const std::vector<bool>& selected) = 0;

  virtual void SetEnabled(int gadget, bool enabled) = 0;
  virtual void SetVisible(int gadget, bool visible) = 0;
};

}  // namespace tavisk
