// Shell hooks that write down every refresh and redraw asked of them, in
// order, as short texts ("RedrawCanvas(0,0,1)", "RefreshObjectPanel(1)"),
// with the last window title and preset list.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "document/editor_hooks.h"

namespace tavisk::test {

class RecordingHooks : public EditorHooks {
 public:
  std::vector<std::string> Calls;
  std::vector<std::string> PresetNames;
  std::string Title;

  void ShowShapeProperties() override { Calls.push_back("ShowShapeProperties"); }
  void RefreshObjectPanel(int full) override {
    Calls.push_back("RefreshObjectPanel(" + std::to_string(full) + ")");
  }
  void FillShapeList() override { Calls.push_back("FillShapeList"); }
  void FillFxList() override { Calls.push_back("FillFxList"); }
  void RedrawCanvas(int64_t x, int64_t y, int pick) override {
    Calls.push_back("RedrawCanvas(" + std::to_string(x) + "," + std::to_string(y) + "," +
                    std::to_string(pick) + ")");
  }
  void SetWindowTitle(const std::string& title) override {
    Title = title;
    Calls.push_back("SetWindowTitle(" + title + ")");
  }
  void ShowFxPresets(const std::vector<std::string>& names) override {
    Calls.push_back("ShowFxPresets");
    PresetNames = names;
  }

  long Count(const std::string& call) const {
    return std::count(Calls.begin(), Calls.end(), call);
  }
};

}  // namespace tavisk::test
