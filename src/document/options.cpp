#include "document/options.h"

#include "document/numeric.h"

namespace tavisk {

void SetDefaultOptions(sPzOptions& o) {
  o.ShowTip = 1;
  o.ConfirmExit = 1;
  o.WinW = 1024;
  o.WinH = 768;
  o.WinState = kWindowMaximized;
  o.Zoom = 100;
  o.HideAncre = 0;
  o.ShowOnlySel = 0;
  o.ShowSelection = 1;
  o.ShowCameraBorder = 1;
  o.PanelW = 150;
  o.ToolBarH = 30;
  o.CameraX = 0;
  o.CameraY = 0;
  o.CameraW = 1024;
  o.CameraH = 768;
  o.BgColor = RGBA(120, 120, 120, 255);
  o.GridColor = RGBA(200, 200, 200, 255);
  o.Autosave = 1;
  o.AutosaveTime = 180;
  o.Snap = 0;
  o.SnapX = 32;
  o.SnapY = 32;
  o.Offset = 0;
  o.GridW = 32;
  o.GridH = 32;
  o.ShowGrid = 0;
}

}  // namespace tavisk
