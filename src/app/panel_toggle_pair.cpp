#include <QAbstractButton>
#include <QButtonGroup>

#include "app/panels.h"
#include "edit/gadget_ids.h"

namespace tavisk {

void BuildTogglePair(QWidget* tab, GadgetSink& sink, const QWidget* beside) {
  if (beside == nullptr) return;
  auto* group = new QButtonGroup(tab);
  group->setExclusive(true);
  int x = beside->geometry().right() + 1 + 3;
  const struct {
    int id;
    const char* caption;
    int64_t state;
  } toggles[] = {{kGadgetToggleFirst, "A", 1}, {kGadgetToggleSecond, "B", 0}};
  for (const auto& toggle : toggles) {
    QWidget* widget =
        AddPropertyGadget(tab, sink,
                          {toggle.id, GadgetKind::kButton, x, beside->y(), 20, 20, toggle.caption,
                           1, 0, "One of a pair: pressing it releases the other.", toggle.state});
    group->addButton(qobject_cast<QAbstractButton*>(widget));
    x += 20 + 2;
  }
}

}  // namespace tavisk
