#include "app/canvas_widget.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

namespace tavisk {

namespace {

// Only files on this machine are taken: a remote address would be fetched.
std::vector<std::string> LocalFiles(const QMimeData* data) {
  std::vector<std::string> paths;
  if (data == nullptr) return paths;
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile()) paths.push_back(url.toLocalFile().toStdString());
  }
  return paths;
}

}  // namespace

CanvasWidget::CanvasWidget(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAcceptDrops(true);
}

void CanvasWidget::Redraw() {
  const QSize size = contentsRect().size();
  if (image_.size() != size) {
    image_ = size.isEmpty() ? QImage() : QImage(size, QImage::Format_ARGB32_Premultiplied);
  }
  if (painter_) painter_(image_);
  update();
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  if (image_.isNull()) return;
  QPainter painter(this);
  painter.drawImage(contentsRect().topLeft(), image_);
}

void CanvasWidget::Forward(QEvent* event) {
  if (input_) input_(event);
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) { Forward(event); }
void CanvasWidget::mouseMoveEvent(QMouseEvent* event) { Forward(event); }
void CanvasWidget::mouseReleaseEvent(QMouseEvent* event) { Forward(event); }
// The second press of a quick pair arrives as a double click; it is a press.
void CanvasWidget::mouseDoubleClickEvent(QMouseEvent* event) { Forward(event); }

void CanvasWidget::keyPressEvent(QKeyEvent* event) {
  Forward(event);
  // The arrows are the canvas's own (they nudge the selection): none of
  // the widgets around it may take them on.
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
      event->accept();
      return;
    default:
      QFrame::keyPressEvent(event);
      break;
  }
}

void CanvasWidget::keyReleaseEvent(QKeyEvent* event) {
  Forward(event);
  QFrame::keyReleaseEvent(event);
}

void CanvasWidget::dragEnterEvent(QDragEnterEvent* event) {
  if (!LocalFiles(event->mimeData()).empty()) event->acceptProposedAction();
}

void CanvasWidget::dragMoveEvent(QDragMoveEvent* event) {
  if (!LocalFiles(event->mimeData()).empty()) event->acceptProposedAction();
}

void CanvasWidget::dropEvent(QDropEvent* event) {
  const std::vector<std::string> paths = LocalFiles(event->mimeData());
  if (paths.empty()) return;
  event->acceptProposedAction();
  if (drop_) drop_(paths, event->position() - QPointF(contentsRect().topLeft()));
}

}  // namespace tavisk
