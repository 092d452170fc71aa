// Sees every event of the application: keeps the zoom factor in step with
// the options, and runs the autosave check between operations only. The
// check is a queued call that runs from the editor's own loop after the
// event that queued it; a dialog, menu or other loop opened halfway through
// an operation runs deeper and never saves, so no half-done scene is written.
#pragma once

#include <QObject>

#include "document/editor_context.h"

namespace tavisk {

class EventClock : public QObject {
  Q_OBJECT
 public:
  explicit EventClock(EditorContext& ctx) : ctx_(ctx) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void RunQueuedCheck();

  EditorContext& ctx_;
  bool checkQueued_ = false;
};

}  // namespace tavisk
