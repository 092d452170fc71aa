#include "app/event_clock.h"

namespace tavisk {

bool EventClock::eventFilter(QObject* watched, QEvent* event) {
  ctx_.ZoomFactor = ctx_.Options.Zoom * 0.01;
  return QObject::eventFilter(watched, event);
}

}  // namespace tavisk
