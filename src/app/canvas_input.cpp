#include "app/canvas_input.h"

#include <QFrame>
#include <QKeyEvent>
#include <QMouseEvent>

namespace tavisk {

namespace {

int KeyCode(int qtKey) {
  if (qtKey == Qt::Key_Space) return kKeySpace;
  if (qtKey == Qt::Key_Shift) return kKeyShift;
  return 0;
}

}  // namespace

std::optional<CanvasInput> ToCanvasInput(const QEvent* event, const QWidget* canvas) {
  CanvasInput input;
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
      const auto* key = static_cast<const QKeyEvent*>(event);
      if (key->isAutoRepeat()) return std::nullopt;
      input.kind = event->type() == QEvent::KeyPress ? CanvasInput::kKeyDown : CanvasInput::kKeyUp;
      input.key = KeyCode(key->key());
      input.shift = key->modifiers().testFlag(Qt::ShiftModifier);
      return input;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove: {
      const auto* mouse = static_cast<const QMouseEvent*>(event);
      QPointF at = mouse->position();
      if (const auto* frame = qobject_cast<const QFrame*>(canvas)) {
        at -= frame->contentsRect().topLeft();
      }
      input.x = at.x();
      input.y = at.y();
      input.shift = mouse->modifiers().testFlag(Qt::ShiftModifier);
      if (event->type() == QEvent::MouseMove) {
        input.kind = CanvasInput::kMove;
        input.left = mouse->buttons().testFlag(Qt::LeftButton);
      } else {
        input.kind = event->type() == QEvent::MouseButtonRelease ? CanvasInput::kRelease
                                                                 : CanvasInput::kPress;
        input.left = mouse->button() == Qt::LeftButton;
      }
      return input;
    }
    default:
      return std::nullopt;
  }
}

}  // namespace tavisk
