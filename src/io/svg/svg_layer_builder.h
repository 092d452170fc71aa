// Turns what an SVG draws into the shapes of one layer: a fill into a
// complex shape of style filled, a stroke into complex shapes of style line
// or dash, a text into a text shape. Points are whole units.
#pragma once

#include <QPainterPath>
#include <QPointF>
#include <cstdint>
#include <string>
#include <vector>

#include "document/scene.h"

namespace tavisk {

struct SvgTextRun {
  std::string Text;
  std::string FontFamily;
  double Size = 0;
  bool Bold = false;
  bool Italic = false;
  QPointF Baseline;  // where the first character's baseline starts
};

class SvgLayerBuilder {
 public:
  // Each Add answers false, with Error set, when the shape would pass the
  // coordinate range or the point budget; the layer is unusable then.
  bool AddFill(const QPainterPath& path, int64_t rgba, const std::string& name);
  bool AddStroke(const QPainterPath& path, int64_t rgba, double width, double dashLength,
                 const std::string& name);
  bool AddText(const SvgTextRun& run, int64_t rgba, const std::string& name);

  bool Empty() const { return shapes_.empty(); }
  // The layer holding the shapes in the order they were added.
  sObject TakeLayer();
  const std::string& Error() const { return error_; }

 private:
  using Figures = std::vector<std::vector<sPoint>>;
  bool FiguresOf(const QPainterPath& path, bool closeEach, Figures& out);
  bool Whole(QPointF p, sPoint& out);
  bool Push(sShape shape);

  std::vector<sShape> shapes_;
  int64_t points_ = 0;
  std::string error_;
};

}  // namespace tavisk
