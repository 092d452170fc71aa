#include "app/side_panel.h"

#include <QProxyStyle>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>

namespace tavisk {

namespace {

// Tabs with half the usual side padding: three captions then fit a panel
// 150 pixels wide, where the last one was cut at the edge.
class CompactTabStyle : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    const int value = QProxyStyle::pixelMetric(metric, option, widget);
    return metric == PM_TabBarTabHSpace ? value / 2 : value;
  }
};

QScrollArea* PageArea(QTabWidget* panel, int index) {
  return qobject_cast<QScrollArea*>(panel->widget(index));
}

}  // namespace

QTabWidget* MakeSidePanel(QWidget* parent, int gadget, std::initializer_list<const char*> tabs) {
  auto* panel = new QTabWidget(parent);
  panel->setProperty("gadget", gadget);
  auto* style = new CompactTabStyle;
  style->setParent(panel);
  panel->tabBar()->setStyle(style);
  panel->tabBar()->setUsesScrollButtons(false);
  panel->tabBar()->setExpanding(false);
  for (const char* tab : tabs) {
    auto* area = new QScrollArea(panel);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(new QWidget(area));
    panel->addTab(area, QString::fromUtf8(tab));
  }
  return panel;
}

QWidget* SidePanelPage(QTabWidget* panel, int index) {
  QScrollArea* area = PageArea(panel, index);
  return area == nullptr ? nullptr : area->widget();
}

void FitSidePanelPages(QTabWidget* panel) {
  for (int i = 0; i < panel->count(); ++i) {
    QWidget* page = SidePanelPage(panel, i);
    QRect extent;
    for (QWidget* child : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      extent |= child->geometry();
    }
    page->setMinimumSize(extent.right() + 1, extent.bottom() + 1);
  }
}

}  // namespace tavisk
