// The main menu, the point pop-up menu and the canvas's context menus, item
// by item, with the numbers their menu events and shortcuts deliver.
#pragma once

#include <string>
#include <vector>

namespace tavisk {

enum MenuId : int {
  kMenuNewDocument = 0,
  kMenuLoadDocument = 1,
  kMenuMerge = 3,
  kMenuSave = 4,
  kMenuSaveCopy = 5,
  kMenuExportDrawnArea = 6,
  kMenuExportCamera = 7,
  kMenuExportSource = 8,
  kMenuQuit = 9,
  kMenuSelectAll = 10,
  kMenuDeselectAll = 11,
  kMenuCopyShape = 12,
  kMenuPaste = 13,
  kMenuPasteToShape = 14,
  kMenuLockSelection = 15,
  kMenuDeleteShape = 16,
  kMenuDeleteObject = 19,
  kMenuAddObject = 20,
  kMenuZoomIn = 24,
  kMenuZoomOut = 25,
  kMenuZoom100 = 26,
  kMenuZoom200 = 27,
  kMenuZoom50 = 28,
  kMenuHideAnchor = 29,
  kMenuShowOnlySelected = 30,
  kMenuShowSelection = 31,
  kMenuViewReset = 32,
  kMenuShowGrid = 34,
  kMenuShowCameraBorder = 35,
  kMenuAbout = 39,
  kMenuHelpRtf = 41,
  kMenuHelpHtml = 42,  // F1 only; no menu item carries it
  // Point pop-up menu.
  kMenuPointClosePath = 43,
  kMenuPointOpenPath = 44,
  kMenuPointAddBefore = 45,
  kMenuPointAddAfter = 46,
  kMenuPointDelete = 48,
  kMenuPointToLine = 49,
  kMenuPointToCurve = 50,
  kMenuPointToComplex = 51,
  kMenuPointSeparate = 52,
  kMenuPointJoin = 53,
  kMenuUndo = 54,
  kMenuRedo = 55,
  // Boolean operations on the selected shapes.
  kMenuUnion = 56,
  kMenuDifference = 57,
  kMenuIntersection = 58,
  kMenuExclusion = 59,
  // The drawing order, in the shape context menu only.
  kMenuShapeUp = 60,
  kMenuShapeDown = 61,
  kMenuExportSvg = 64,
  kMenuImportSvg = 70,
};

// The item's text without its shortcut, as an undo step is named after it.
std::string MenuItemName(int id);

struct MenuEntry {
  enum Kind { kTitle, kSubMenu, kEndSubMenu, kItem, kCheckItem, kSeparator };
  Kind kind;
  int id;  // items only
  const char* text;
};

const std::vector<MenuEntry>& MainMenuEntries();
const std::vector<MenuEntry>& PointMenuEntries();
// The context menus of the canvas: on a shape, and on the empty canvas.
const std::vector<MenuEntry>& ShapeMenuEntries();
const std::vector<MenuEntry>& CanvasMenuEntries();

}  // namespace tavisk
