#include "app/layer_list_widget.h"

#include <QMouseEvent>
#include <QPainter>

namespace tavisk {

LayerListWidget::LayerListWidget(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
}

void LayerListWidget::SetPicture(QImage picture) {
  picture_ = std::move(picture);
  update();
}

void LayerListWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, picture_);
}

void LayerListWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && press_) {
    press_(event->position().toPoint().x(), event->position().toPoint().y());
  }
}

void LayerListWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && doubleClick_) {
    doubleClick_(event->position().toPoint().x(), event->position().toPoint().y());
  }
}

}  // namespace tavisk
