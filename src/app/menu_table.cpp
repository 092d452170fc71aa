#include "app/menu_table.h"

#include <initializer_list>

namespace tavisk {

namespace {

using K = MenuEntry::Kind;

MenuEntry Title(const char* text) { return {K::kTitle, -1, text}; }
MenuEntry Sub(const char* text) { return {K::kSubMenu, -1, text}; }
MenuEntry EndSub() { return {K::kEndSubMenu, -1, ""}; }
MenuEntry Item(int id, const char* text) { return {K::kItem, id, text}; }
MenuEntry Check(int id, const char* text) { return {K::kCheckItem, id, text}; }
MenuEntry Bar() { return {K::kSeparator, -1, ""}; }

// The runs of items that more than one menu holds.
std::vector<MenuEntry> Conversions() {
  return {Item(kMenuPointToLine, "Convert to line"), Item(kMenuPointToCurve, "Convert to curve"),
          Item(kMenuPointToComplex, "Convert to complexe shape")};
}

std::vector<MenuEntry> BooleanOperations() {
  return {Item(kMenuUnion, "Union"), Item(kMenuDifference, "Difference"),
          Item(kMenuIntersection, "Intersection"), Item(kMenuExclusion, "Exclusion")};
}

std::vector<MenuEntry> Joined(std::initializer_list<std::vector<MenuEntry>> runs) {
  std::vector<MenuEntry> entries;
  for (const std::vector<MenuEntry>& run : runs) {
    entries.insert(entries.end(), run.begin(), run.end());
  }
  return entries;
}

}  // namespace

const std::vector<MenuEntry>& MainMenuEntries() {
  static const std::vector<MenuEntry> entries = Joined({{
      Title("Files"),
      Item(kMenuNewDocument, "New document\tCtrl+N"),
      Item(kMenuLoadDocument, "Load document\tCtrl+O"),
      Item(kMenuMerge, "Merge"),
      Item(kMenuImportSvg, "Import SVG"),
      Bar(),
      Item(kMenuSave, "Save\tCtrl+S"),
      Item(kMenuSaveCopy, "Save a copy"),
      Bar(),
      Item(kMenuExportDrawnArea, "Export shape as image\tCtrl+E"),
      Item(kMenuExportCamera, "Export Scene (image)"),
      Item(kMenuExportSvg, "Export as SVG"),
      Bar(),
      Item(kMenuExportSource, "Export in purebasic"),
      Bar(),
      Item(kMenuQuit, "Quit"),
      Title("Edit"),
      Item(kMenuUndo, "Undo\tCtrl+Z"),
      Item(kMenuRedo, "Redo\tCtrl+Shift+Z"),
      Bar(),
      Sub("Object"),
      Item(kMenuAddObject, "Add a new object"),
      Item(kMenuDeleteObject, "Delete the current object"),
      EndSub(),
      Sub("Shape"),
      Item(kMenuSelectAll, "Select All\tCtrl+A"),
      Item(kMenuDeselectAll, "Deselect All\tCtrl+D"),
      Check(kMenuLockSelection, "Lock selection"),
      Bar(),
      Item(kMenuCopyShape, "Copy current shape\tCtrl+C"),
      Item(kMenuPaste, "Paste\tCtrl+V"),
      Item(kMenuPasteToShape, "Paste to shape "),
      Bar(),
      Item(kMenuDeleteShape, "Delete the current shape\tSuppr"),
      EndSub(),
      Bar()}, BooleanOperations(), {
      Title("View"),
      Sub("Zoom"),
      Item(kMenuZoomIn, "Zoom +\tCtrl + "),
      Item(kMenuZoomOut, "Zoom -\tCtrl - "),
      Item(kMenuZoom50, "Zoom 50%\tCtrl+Pad5"),
      Item(kMenuZoom100, "Zoom 100%\tCtrl+Pad1"),
      Item(kMenuZoom200, "Zoom 200%\tCtrl+Pad2"),
      EndSub(),
      Bar(),
      Item(kMenuViewReset, "View Reset\tCtrl+Pad0"),
      Bar(),
      Check(kMenuShowGrid, "Show grid\tCtrl+G"),
      Check(kMenuShowCameraBorder, "Show camera border"),
      Bar(),
      Check(kMenuHideAnchor, "Hide anchor"),
      Check(kMenuShowSelection, "Show selection (dash stroke)"),
      Check(kMenuShowOnlySelected, "Show only selected"),
      Title("Help"),
      Item(kMenuAbout, "About"),
      Item(kMenuHelpRtf, "Help (rtf)"),
  }});
  return entries;
}

const std::vector<MenuEntry>& PointMenuEntries() {
  static const std::vector<MenuEntry> entries = Joined({{
      Item(kMenuPointOpenPath, "Open path"),
      Item(kMenuPointClosePath, "Close path"),
      Bar(),
      Item(kMenuPointAddBefore, "Add point before this point"),
      Item(kMenuPointAddAfter, "Add point after this point"),
      Bar(),
      Item(kMenuPointDelete, "Delete this point"),
      Bar()}, Conversions(), {
      Bar(),
      Item(kMenuPointSeparate, "Separate all sub-shape to shape"),
      Item(kMenuPointJoin, "Joint selected shape"),
  }});
  return entries;
}

const std::vector<MenuEntry>& ShapeMenuEntries() {
  static const std::vector<MenuEntry> entries = Joined({{
      Item(kMenuCopyShape, "Copy current shape\tCtrl+C"),
      Item(kMenuPaste, "Paste\tCtrl+V"),
      Item(kMenuDeleteShape, "Delete the current shape\tSuppr"),
      Item(kMenuShapeUp, "Up"),
      Item(kMenuShapeDown, "Down"),
      Bar()}, Conversions(), {Bar()}, BooleanOperations()});
  return entries;
}

const std::vector<MenuEntry>& CanvasMenuEntries() {
  static const std::vector<MenuEntry> entries = {
      Item(kMenuPaste, "Paste\tCtrl+V"),
      Item(kMenuSelectAll, "Select All\tCtrl+A"),
  };
  return entries;
}

std::string MenuItemName(int id) {
  for (const auto* entries : {&MainMenuEntries(), &PointMenuEntries(), &ShapeMenuEntries()}) {
    for (const MenuEntry& entry : *entries) {
      if (entry.id != id || (entry.kind != K::kItem && entry.kind != K::kCheckItem)) continue;
      std::string name = entry.text;
      name = name.substr(0, name.find('\t'));
      while (!name.empty() && name.back() == ' ') name.pop_back();
      return name;
    }
  }
  return {};
}

}  // namespace tavisk
