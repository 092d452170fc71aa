// The editor options, kept in "Preferences.ini" (a JSON object) in the
// current directory.
#pragma once

#include <cstdint>
#include <string>

namespace tavisk {

struct sPzOptions {
  uint8_t ShowTip = 0;
  uint8_t ConfirmExit = 0;
  int16_t WinW = 0;
  int16_t WinH = 0;
  int64_t WinState = 0;
  uint8_t Zoom = 0;
  uint8_t HideAncre = 0;
  uint8_t ShowOnlySel = 0;
  uint8_t ShowSelection = 0;
  uint8_t ShowCameraBorder = 0;
  int16_t PanelW = 0;
  int16_t ToolBarH = 0;
  int16_t CameraX = 0;
  int16_t CameraY = 0;
  int16_t CameraW = 0;
  int16_t CameraH = 0;
  int64_t BgColor = 0;
  int64_t BgImg = 0;
  int64_t GridColor = 0;
  uint8_t Autosave = 0;
  int64_t AutosaveTime = 0;
  uint8_t Snap = 0;
  int16_t SnapX = 0;
  int16_t SnapY = 0;
  uint8_t Offset = 0;
  int16_t GridW = 0;
  int16_t GridH = 0;
  uint8_t ShowGrid = 0;
};

// Window states as stored in WinState.
inline constexpr int64_t kWindowNormal = 0;
inline constexpr int64_t kWindowMaximized = 16777216;
inline constexpr int64_t kWindowMinimized = 536870912;

inline constexpr const char* kOptionsFileName = "Preferences.ini";

// The file may hold any value; the editor holds these where it uses them, so
// a damaged or hand-edited file cannot make it unusable or wasteful:
// - WinW and WinH open a window no larger than the screen's free area and
//   no smaller than kMinWindowWidth x kMinWindowHeight (0 or less opens the
//   default 1024 x 768);
// - AutosaveTime below kMinAutosaveSeconds autosaves every
//   kMinAutosaveSeconds, not at every event;
// - CameraW and CameraH are free, but an image export refuses a picture
//   above its pixel budget (kMaxExportPixels, render/image_export.h).
inline constexpr int kMinWindowWidth = 480;
inline constexpr int kMinWindowHeight = 360;
inline constexpr int64_t kMinAutosaveSeconds = 10;

// Calls visit(name, field) for every field in record order; the file's member
// names are these names.
template <typename Options, typename Visit>
void ForEachOption(Options& o, Visit&& visit) {
  visit("ShowTip", o.ShowTip);
  visit("ConfirmExit", o.ConfirmExit);
  visit("WinW", o.WinW);
  visit("WinH", o.WinH);
  visit("WinState", o.WinState);
  visit("Zoom", o.Zoom);
  visit("HideAncre", o.HideAncre);
  visit("ShowOnlySel", o.ShowOnlySel);
  visit("ShowSelection", o.ShowSelection);
  visit("ShowCameraBorder", o.ShowCameraBorder);
  visit("PanelW", o.PanelW);
  visit("ToolBarH", o.ToolBarH);
  visit("CameraX", o.CameraX);
  visit("CameraY", o.CameraY);
  visit("CameraW", o.CameraW);
  visit("CameraH", o.CameraH);
  visit("BgColor", o.BgColor);
  visit("BgImg", o.BgImg);
  visit("GridColor", o.GridColor);
  visit("Autosave", o.Autosave);
  visit("AutosaveTime", o.AutosaveTime);
  visit("Snap", o.Snap);
  visit("SnapX", o.SnapX);
  visit("SnapY", o.SnapY);
  visit("Offset", o.Offset);
  visit("GridW", o.GridW);
  visit("GridH", o.GridH);
  visit("ShowGrid", o.ShowGrid);
}

void SetDefaultOptions(sPzOptions& options);

// The scale the canvas is drawn at: the Zoom option, a percentage.
inline double ZoomFactor(const sPzOptions& options) {
  return options.Zoom * 0.01;
}

}  // namespace tavisk
