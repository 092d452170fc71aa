// Runs once per event of the application: keeps the zoom factor in step with
// the options and saves the scene when the autosave is due.
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
  EditorContext& ctx_;
};

}  // namespace tavisk
