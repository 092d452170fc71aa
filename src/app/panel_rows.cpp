#include "app/panel_rows.h"

#include <QGroupBox>

namespace tavisk {

namespace {

constexpr int kRowGap = 3;
constexpr int kFrameTitle = 18;
constexpr int kFramePadding = 4;

}  // namespace

PanelRows::PanelRows(QWidget* tab, int x, int y, int frameWidth)
    : tab_(tab), x_(x), y_(y), frameWidth_(frameWidth) {}

PanelRows::~PanelRows() { CloseFrame(); }

int PanelRows::Next(int height) {
  const int top = y_;
  y_ += height + kRowGap;
  return top;
}

void PanelRows::Frame(const QString& title, int width) {
  CloseFrame();
  frame_ = new QGroupBox(title, tab_);
  frame_->setGeometry(5, y_, width > 0 ? width : frameWidth_, kFrameTitle);
  frame_->lower();
  frameTop_ = y_;
  y_ += kFrameTitle;
}

void PanelRows::CloseFrame() {
  if (frame_ == nullptr) return;
  frame_->resize(frame_->width(), y_ - frameTop_ + kFramePadding - kRowGap);
  y_ += kFramePadding;
  frame_ = nullptr;
}

}  // namespace tavisk
