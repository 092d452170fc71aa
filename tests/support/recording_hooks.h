// Shell hooks that write down what the document code still asks of the shell
// itself, in order, as short texts ("SetWindowTitle(...)", "ShowFxPresets"),
// with the last window title and preset list. Panel and canvas refreshes are
// not recorded: the edit history announces those.
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

  void SetWindowTitle(const std::string& title) override {
    Title = title;
    Calls.push_back("SetWindowTitle(" + title + ")");
  }
  void ShowFxPresets(const std::vector<std::string>& names) override {
    Calls.push_back("ShowFxPresets");
    PresetNames = names;
  }

  long Count(const std::string& call) const { return std::count(Calls.begin(), Calls.end(), call); }
};

}  // namespace tavisk::test
