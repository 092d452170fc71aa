// Lays out the rows of a panel tab: rows 20 high and 3 apart, titled frames
// drawn around the rows that follow them.
#pragma once

#include <QString>

class QGroupBox;
class QWidget;

namespace tavisk {

class PanelRows {
 public:
  PanelRows(QWidget* tab, int x, int y, int frameWidth);
  ~PanelRows();

  // The top of the next row, which is height high.
  int Next(int height = 20);
  int Left() const { return x_; }

  // A frame titled title around the rows until the next frame or the end.
  void Frame(const QString& title, int width = -1);

 private:
  void CloseFrame();

  QWidget* tab_;
  int x_;
  int y_;
  int frameWidth_;
  QGroupBox* frame_ = nullptr;
  int frameTop_ = 0;
};

}  // namespace tavisk
