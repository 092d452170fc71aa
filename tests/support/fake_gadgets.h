// Gadgets kept in memory: what the panels would show, readable by tests.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "edit/gadgets.h"

namespace tavisk::test {

class FakeGadgets : public Gadgets {
 public:
  struct Entry {
    int64_t state = 0;
    std::string text;
    std::vector<std::string> items;
    std::vector<bool> selected;
    bool enabled = true;
    bool visible = true;
  };
  std::map<int, Entry> entries;

  // Every gadget from first to last exists.
  FakeGadgets(int first = 0, int last = 97) {
    for (int g = first; g <= last; ++g) entries[g];
  }

  bool Exists(int g) const override { return entries.count(g) != 0; }
  int64_t State(int g) const override { return entries.at(g).state; }
  void SetState(int g, int64_t s) override { entries[g].state = s; }
  std::string Text(int g) const override { return entries.at(g).text; }
  void SetText(int g, const std::string& t) override { entries[g].text = t; }
  void ClearItems(int g) override {
    entries[g].items.clear();
    entries[g].selected.clear();
  }
  void AddItem(int g, const std::string& t) override {
    entries[g].items.push_back(t);
    entries[g].selected.push_back(false);
  }
  int ItemCount(int g) const override { return static_cast<int>(entries.at(g).items.size()); }
  bool ItemSelected(int g, int i) const override {
    const auto& s = entries.at(g).selected;
    return i >= 0 && i < static_cast<int>(s.size()) && s[static_cast<size_t>(i)];
  }
  void SelectItems(int g, const std::vector<bool>& on) override {
    auto& s = entries[g].selected;
    for (size_t i = 0; i < s.size(); ++i) s[i] = i < on.size() && on[i];
  }
  void SetEnabled(int g, bool on) override { entries[g].enabled = on; }
  void SetVisible(int g, bool on) override { entries[g].visible = on; }
};

}  // namespace tavisk::test
