// The numbered gadgets over their Qt widgets. Setting a state or text from
// the records blocks the widget's signals, so filling the panels is never
// taken for an edit.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "edit/gadgets.h"

class QWidget;

namespace tavisk {

class WidgetGadgets : public Gadgets {
 public:
  void Register(int gadget, QWidget* widget);
  QWidget* Widget(int gadget) const;

  bool Exists(int gadget) const override;
  int64_t State(int gadget) const override;
  void SetState(int gadget, int64_t state) override;
  std::string Text(int gadget) const override;
  void SetText(int gadget, const std::string& text) override;
  void ClearItems(int gadget) override;
  void AddItem(int gadget, const std::string& text) override;
  void SetItems(int gadget, const std::vector<std::string>& items) override;
  int ItemCount(int gadget) const override;
  bool ItemSelected(int gadget, int item) const override;
  void SelectItems(int gadget, const std::vector<bool>& selected) override;
  void SetEnabled(int gadget, bool enabled) override;
  void SetVisible(int gadget, bool visible) override;

 private:
  std::map<int, QWidget*> widgets_;
  // The items each list shows, as they were given: compared without
  // reading back every row.
  std::map<int, std::vector<std::string>> list_items_;
};

}  // namespace tavisk
