#include "app/canvas_input.h"

#include <QFrame>
#include <QKeyEvent>
#include <QMouseEvent>

namespace tavisk {

namespace {

int KeyCode(const QKeyEvent& key) {
  // With Ctrl or Alt an arrow belongs to a shortcut: it nudges nothing.
  const bool chord =
      key.modifiers().testAnyFlags(Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
  switch (key.key()) {
    case Qt::Key_Space:
      return kKeySpace;
    case Qt::Key_Shift:
      return kKeyShift;
    case Qt::Key_Left:
      return chord ? 0 : kKeyLeft;
    case Qt::Key_Up:
      return chord ? 0 : kKeyUp;
    case Qt::Key_Right:
      return chord ? 0 : kKeyRight;
    case Qt::Key_Down:
      return chord ? 0 : kKeyDown;
    default:
      return 0;
  }
}

}  // namespace

std::optional<CanvasInput> ToCanvasInput(const QEvent* event, const QWidget* canvas) {
  CanvasInput input;
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
      const auto* key = static_cast<const QKeyEvent*>(event);
      input.key = KeyCode(*key);
      if (key->isAutoRepeat() && !IsArrowKey(input.key)) return std::nullopt;
      input.kind = event->type() == QEvent::KeyPress ? CanvasInput::kKeyDown : CanvasInput::kKeyUp;
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
        input.right = input.kind == CanvasInput::kPress && mouse->button() == Qt::RightButton;
      }
      return input;
    }
    default:
      return std::nullopt;
  }
}

}  // namespace tavisk
