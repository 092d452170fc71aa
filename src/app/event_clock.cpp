#include "app/event_clock.h"

#include <QThread>

#include "edit/autosave.h"
#include "platform/clock.h"

namespace tavisk {

namespace {

// The editor's loop is the thread's first (QApplication::exec); any loop
// entered while an operation runs is deeper.
bool InEditorLoop() {
  return QThread::currentThread()->loopLevel() <= 1;
}

}  // namespace

bool EventClock::eventFilter(QObject* watched, QEvent* event) {
  if (!checkQueued_ && InEditorLoop()) {
    checkQueued_ = true;
    QMetaObject::invokeMethod(this, &EventClock::RunQueuedCheck, Qt::QueuedConnection);
  }
  return QObject::eventFilter(watched, event);
}

void EventClock::RunQueuedCheck() {
  checkQueued_ = false;
  if (InEditorLoop()) CheckAutosave(ctx_, ElapsedMilliseconds());
}

}  // namespace tavisk
