// The object list of the "Object" tab: a picture the object panel draws,
// and the presses and double clicks on it.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

namespace tavisk {

class LayerListWidget : public QWidget {
  Q_OBJECT
 public:
  using Click = std::function<void(int x, int y)>;

  explicit LayerListWidget(QWidget* parent);

  void SetPicture(QImage picture);
  const QImage& Picture() const { return picture_; }
  void OnPress(Click press) { press_ = std::move(press); }
  void OnDoubleClick(Click click) { doubleClick_ = std::move(click); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  QImage picture_;
  Click press_;
  Click doubleClick_;
};

}  // namespace tavisk
