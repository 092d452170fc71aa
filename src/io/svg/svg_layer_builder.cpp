#include "io/svg/svg_layer_builder.h"

#include <algorithm>
#include <cmath>

#include "document/complex_chain.h"
#include "document/field_text.h"
#include "document/font_store.h"
#include "document/numeric.h"
#include "document/object_creation.h"
#include "io/svg/svg_limits.h"

namespace tavisk {

namespace {

// The share of a font's size above its baseline, as our default faces
// (Liberation) have it: a text shape is placed by its top.
constexpr double kAscentShare = 0.891;

sShape NewShape(ShapeType type, int64_t rgba, const std::string& name) {
  sShape shape;
  shape.Typ = type;
  // As a typed name is kept: the document's separators replaced, cut short.
  shape.Name = CutToCharacters(SanitizeFieldText(name, false), kNameCharacters);
  shape.Color = rgba;
  shape.Alpha = static_cast<uint8_t>(Alpha(rgba));
  shape.Width = 1;
  shape.Height = 5;
  shape.Dist = 5;
  shape.W = 5;
  shape.H = 5;
  // The effect slot as the editor gives a new shape: inactive.
  SetNewShapeFx(shape.Fx.front(), 0);
  return shape;
}

int16_t WholeWidth(double width) {
  return static_cast<int16_t>(std::clamp<int64_t>(RoundInt(width), 1, INT16_MAX));
}

}  // namespace

bool SvgLayerBuilder::Whole(QPointF p, sPoint& out) {
  if (!(std::abs(p.x()) <= kMaxSvgCoordinate && std::abs(p.y()) <= kMaxSvgCoordinate)) {
    error_ = "The picture reaches coordinates beyond what a drawing may hold (2^40 units).";
    return false;
  }
  out = sPoint{RoundInt(p.x()), RoundInt(p.y()), 0, 0};
  return true;
}

bool SvgLayerBuilder::FiguresOf(const QPainterPath& path, bool closeEach, Figures& out) {
  auto closeLast = [&] {
    if (!closeEach || out.empty()) return;
    ChainFigure& figure = out.back();
    if (figure.size() >= 4 && !SamePlace(figure.back(), figure.front())) {
      AppendStraightSegment(figure, figure.back(), figure.front());
    }
  };
  for (int i = 0; i < path.elementCount(); ++i) {
    const QPainterPath::Element e = path.elementAt(i);
    sPoint p;
    if (!Whole(e, p)) return false;
    if (e.isMoveTo() || out.empty()) {
      closeLast();
      out.push_back({p});
      continue;
    }
    ChainFigure& figure = out.back();
    const sPoint from = figure.back();
    if (e.isLineTo()) {
      // A segment that rounds to nothing would read as a jump.
      if (!SamePlace(p, from)) AppendStraightSegment(figure, from, p);
      continue;
    }
    if (i + 2 >= path.elementCount()) break;
    sPoint c2, end;
    if (!Whole(path.elementAt(i + 1), c2) || !Whole(path.elementAt(i + 2), end)) return false;
    i += 2;
    if (SamePlace(p, from) && SamePlace(c2, from) && SamePlace(end, from)) continue;
    figure.push_back(p);
    figure.push_back(c2);
    figure.push_back(end);
  }
  closeLast();
  return true;
}

bool SvgLayerBuilder::Push(sShape shape) {
  points_ += static_cast<int64_t>(shape.Pt.size());
  if (points_ > kMaxSvgPoints) {
    error_ = "The picture holds more points than an SVG import allows (1000000).";
    return false;
  }
  shapes_.push_back(std::move(shape));
  return true;
}

bool SvgLayerBuilder::AddFill(const QPainterPath& path, int64_t rgba, const std::string& name) {
  Figures figures;
  if (!FiguresOf(path, true, figures)) return false;
  std::vector<sPoint> chain = ChainOfFigures(figures);
  if (chain.empty()) return true;
  sShape shape = NewShape(kComplexShape, rgba, name);
  shape.Style = kFilled;
  shape.Pt = std::move(chain);
  return Push(std::move(shape));
}

bool SvgLayerBuilder::AddStroke(const QPainterPath& path, int64_t rgba, double width,
                                double dashLength, const std::string& name) {
  Figures figures;
  if (!FiguresOf(path, false, figures)) return false;
  // Closed figures share one shape; an open one among several would be
  // closed by the chain, so each open figure is a shape of its own.
  Figures closed;
  std::vector<std::vector<sPoint>> chains;
  for (ChainFigure& figure : figures) {
    if (figure.size() < 4) continue;
    if (FigureCloses(figure)) {
      closed.push_back(std::move(figure));
    } else {
      chains.push_back(ChainOfFigures({figure}));
    }
  }
  if (!closed.empty()) chains.insert(chains.begin(), ChainOfFigures(closed));
  for (std::vector<sPoint>& chain : chains) {
    if (chain.empty()) continue;
    sShape shape = NewShape(kComplexShape, rgba, name);
    shape.Style = dashLength > 0 ? kDash : kLineStyle;
    shape.Width = WholeWidth(width);
    if (dashLength > 0) shape.Height = WholeWidth(dashLength);
    shape.Pt = std::move(chain);
    if (!Push(std::move(shape))) return false;
  }
  return true;
}

bool SvgLayerBuilder::AddText(const SvgTextRun& run, int64_t rgba, const std::string& name) {
  if (run.Text.empty() || !(run.Size >= 1)) return true;
  sPoint top;
  if (!Whole(run.Baseline - QPointF(0, run.Size * kAscentShare), top)) return false;
  sShape shape = NewShape(kText, rgba, name);
  shape.Style = kFilled;
  // Text shapes keep their place in the 16-bit X and Y.
  shape.X = Wrap16(top.X);
  shape.Y = Wrap16(top.Y);
  shape.W = WholeWidth(run.Size);
  shape.Text = SanitizeFieldText(run.Text, true);
  CutToBytes(shape.Text, kMaxTextBytes);
  shape.FontName = SanitizeFieldText(run.FontFamily, true);
  shape.FontStyle = (run.Bold ? kFontBold : 0) | (run.Italic ? kFontItalic : 0);
  return Push(std::move(shape));
}

sObject SvgLayerBuilder::TakeLayer() {
  sObject layer;
  layer.Alpha = 255;
  layer.W = 100;
  layer.H = 100;
  if (!shapes_.empty()) {
    layer.HasShape = 1;
    layer.Shape = std::move(shapes_);
    for (size_t i = 0; i < layer.Shape.size(); ++i) {
      layer.Shape[i].Id = static_cast<int64_t>(i);
      layer.Shape[i].Id8 = Wrap8(static_cast<int64_t>(i));
    }
  }
  shapes_.clear();
  points_ = 0;
  return layer;
}

}  // namespace tavisk
