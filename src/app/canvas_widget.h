// The drawing canvas: a backing image that its painter fills, shown on the
// next repaint.
#pragma once

#include <QFrame>
#include <QImage>
#include <functional>
#include <string>
#include <vector>

namespace tavisk {

class CanvasWidget : public QFrame {
  Q_OBJECT
 public:
  using Painter = std::function<void(QImage& image)>;
  using InputHandler = std::function<void(QEvent* event)>;
  // Local files dropped at a point of the drawing area, in canvas pixels.
  using DropHandler = std::function<void(const std::vector<std::string>& paths, QPointF at)>;

  explicit CanvasWidget(QWidget* parent);

  void SetPainter(Painter painter) { painter_ = std::move(painter); }
  // Receives the canvas's mouse and key events.
  void SetInputHandler(InputHandler handler) { input_ = std::move(handler); }
  void SetDropHandler(DropHandler handler) { drop_ = std::move(handler); }

  // Paints the backing image now and schedules the repaint that shows it.
  void Redraw();

  const QImage& Image() const { return image_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void Forward(QEvent* event);

  QImage image_;
  Painter painter_;
  InputHandler input_;
  DropHandler drop_;
};

}  // namespace tavisk
