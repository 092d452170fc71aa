#include "io/svg/svg_paint_attributes.h"

#include <algorithm>

#include "io/svg/svg_markup.h"

namespace tavisk {

namespace {

// The pen the canvas strokes with: a width of 0 or less is one unit, and
// dash patterns count in pen widths (render/paint_op.cpp).
double PenWidth(double width) {
  return width > 0 ? width : 1.0;
}

// Below this a dot's gap closes: the dots touch and the line shows solid.
constexpr double kClosedGap = 1e-3;

// The painter's mitre limit of 2 counts from the join's centre in pen widths;
// SVG's counts the whole mitre: 4. Sharper corners differ: the painter cuts
// the mitre at the limit where SVG 1.1 bevels it.
constexpr const char* kMiterLimit = "4";

std::string Attribute(const char* name, const std::string& value) {
  return value.empty() ? "" : std::string(" ") + name + "=\"" + value + "\"";
}

std::string DashArray(double on, double off) {
  return SvgNumber(on) + " " + SvgNumber(off);
}

std::string StrokeAttributes(const PaintOp& op) {
  const double width = PenWidth(op.width);
  std::string a = Attribute("fill", "none") + Attribute("stroke", SvgColour(op.color)) +
                  Attribute("stroke-opacity", SvgOpacity(qAlpha(op.color))) +
                  Attribute("stroke-width", SvgNumber(width));
  switch (op.kind) {
    case PaintKind::kStroke:
      a += op.roundEnds
               ? Attribute("stroke-linecap", "round") + Attribute("stroke-linejoin", "round")
               : Attribute("stroke-miterlimit", kMiterLimit);
      break;
    case PaintKind::kDash:
      a += Attribute("stroke-miterlimit", kMiterLimit);
      if (op.length > 0) a += Attribute("stroke-dasharray", DashArray(op.length, op.length));
      break;
    case PaintKind::kDot: {
      // A dot is a dash of (nearly) no length: with round caps a disc of the
      // pen width, otherwise a square of it; dots are centred distance apart.
      const double step = std::max(op.length, 0.0) / width;
      const double dot = op.roundEnds ? 1e-3 : 1.0;
      const double gap = std::max(step - dot, 1e-3);
      a += Attribute("stroke-linecap", op.roundEnds ? "round" : "butt") +
           Attribute("stroke-linejoin", "round");
      if (gap > kClosedGap) a += Attribute("stroke-dasharray", DashArray(dot * width, gap * width));
      break;
    }
    default:
      break;
  }
  return a;
}

}  // namespace

std::string SvgPaintAttributes(const PaintOp& op) {
  std::string a = op.kind == PaintKind::kFill
                      ? Attribute("fill", SvgColour(op.color)) +
                            Attribute("fill-opacity", SvgOpacity(qAlpha(op.color))) +
                            Attribute("fill-rule", "evenodd")
                      : StrokeAttributes(op);
  if (!op.antialias) a += Attribute("shape-rendering", "crispEdges");
  return a;
}

}  // namespace tavisk
