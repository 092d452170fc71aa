#include "app/event_clock.h"

#include "document/autosave.h"
#include "platform/clock.h"

namespace tavisk {

bool EventClock::eventFilter(QObject* watched, QEvent* event) {
  ctx_.ZoomFactor = ctx_.Options.Zoom * 0.01;
  CheckAutosave(ctx_, ElapsedMilliseconds());
  return QObject::eventFilter(watched, event);
}

}  // namespace tavisk
