// A tabbed side panel whose tabs all fit its width and whose pages scroll
// when the window is too short to show them whole.
#pragma once

#include <initializer_list>

class QTabWidget;
class QWidget;

namespace tavisk {

QTabWidget* MakeSidePanel(QWidget* parent, int gadget, std::initializer_list<const char*> tabs);

// The widget that holds the gadgets of tab index.
QWidget* SidePanelPage(QTabWidget* panel, int index);

// Once a page holds its gadgets: the page scrolls only when the panel is
// smaller than the gadgets' extent.
void FitSidePanelPages(QTabWidget* panel);

}  // namespace tavisk
