#include "io/svg/svg_style.h"

#include <QColor>
#include <QString>
#include <algorithm>
#include <cmath>

#include "io/svg/svg_numbers.h"
#include "io/svg/svg_units.h"

namespace tavisk {

namespace {

constexpr std::string_view kProperties[] = {"fill",
                                            "fill-opacity",
                                            "fill-rule",
                                            "stroke",
                                            "stroke-opacity",
                                            "stroke-width",
                                            "stroke-dasharray",
                                            "opacity",
                                            "color",
                                            "font-family",
                                            "font-size",
                                            "font-weight",
                                            "font-style",
                                            "visibility",
                                            "display",
                                            "filter",
                                            "mask",
                                            "clip-path",
                                            "marker-start",
                                            "marker-mid",
                                            "marker-end",
                                            "marker",
                                            "font"};

// Properties whose effect is dropped, and how the list of drops names them.
struct Dropped {
  std::string_view property;
  std::string_view what;
};
constexpr Dropped kDroppedProperties[] = {{"filter", "filters"},       {"mask", "masks"},
                                          {"clip-path", "clip paths"}, {"marker-start", "markers"},
                                          {"marker-mid", "markers"},   {"marker-end", "markers"},
                                          {"marker", "markers"}};

double Clamp01(double v) {
  return std::clamp(v, 0.0, 1.0);
}

// A number or a percentage.
bool ParseOpacity(std::string_view text, double& out) {
  double value = 0;
  if (!ParseLength(text, 0, 1, value)) return false;
  out = Clamp01(value);
  return true;
}

// rgb(r, g, b) and rgba(r, g, b, a) with numbers or percentages.
bool ParseRgbFunction(std::string_view text, uint32_t& rgb) {
  const size_t open = text.find('(');
  if (open == std::string_view::npos || text.back() != ')') return false;
  std::string_view inside = text.substr(open + 1, text.size() - open - 2);
  uint32_t out = 0;
  for (int channel = 0; channel < 3; ++channel) {
    const size_t comma = inside.find(',');
    const std::string_view part = TrimSvgSpaces(inside.substr(0, comma));
    double value = 0;
    if (!ParseLength(part, 0, 255, value)) return false;
    out = out << 8 | static_cast<uint32_t>(std::lround(std::clamp(value, 0.0, 255.0)));
    if (comma == std::string_view::npos && channel < 2) return false;
    inside = comma == std::string_view::npos ? std::string_view() : inside.substr(comma + 1);
  }
  rgb = out;
  return true;
}

bool ParsePaint(std::string_view text, SvgPaint& paint) {
  text = TrimSvgSpaces(text);
  SvgPaint out;
  if (text == "none") {
    out.Type = SvgPaint::Kind::None;
  } else if (text == "currentColor") {
    out.Type = SvgPaint::Kind::CurrentColor;
  } else if (text.starts_with("url(")) {
    const size_t close = text.find(')');
    if (close == std::string_view::npos) return false;
    std::string_view id = TrimSvgSpaces(text.substr(4, close - 4));
    if (id.size() >= 2 && (id.front() == '\'' || id.front() == '"'))
      id = id.substr(1, id.size() - 2);
    if (!id.starts_with('#')) return false;
    out.Type = SvgPaint::Kind::Reference;
    out.Id = std::string(id.substr(1));
    const std::string_view fallback = TrimSvgSpaces(text.substr(close + 1));
    if (fallback == "none") {
      out.HasFallback = true;
      out.FallbackRgb = 0;
      out.Type = SvgPaint::Kind::Reference;
    } else {
      out.HasFallback = ParseSvgColor(fallback, out.FallbackRgb);
    }
  } else {
    out.Type = SvgPaint::Kind::Color;
    if (!ParseSvgColor(text, out.Rgb)) return false;
  }
  paint = std::move(out);
  return true;
}

bool ParseDashArray(std::string_view text, std::vector<double>& out) {
  text = TrimSvgSpaces(text);
  out.clear();
  if (text == "none") return true;
  SvgNumberScanner scanner(text);
  double value = 0;
  while (!scanner.AtEnd()) {
    // Lengths in dash arrays carry units rarely; a plain list is read.
    if (out.size() >= 64 || !scanner.Number(value) || value < 0) {
      out.clear();
      return false;
    }
    out.push_back(value);
  }
  // An odd list repeats to become even; an all-zero list draws solid.
  if (out.size() % 2 == 1) out.insert(out.end(), out.begin(), out.end());
  if (std::all_of(out.begin(), out.end(), [](double v) { return v == 0; })) out.clear();
  return true;
}

}  // namespace

SvgStyle InheritedStyle(const SvgStyle& parent) {
  SvgStyle style = parent;
  style.Displayed = true;
  style.Unsupported.clear();
  return style;
}

bool IsStyleProperty(std::string_view name) {
  return std::find(std::begin(kProperties), std::end(kProperties), name) != std::end(kProperties);
}

bool ParseSvgColor(std::string_view text, uint32_t& rgb) {
  text = TrimSvgSpaces(text);
  if (text.starts_with("rgb(") || text.starts_with("rgba(")) return ParseRgbFunction(text, rgb);
  if (text.empty() || text.size() > 32) return false;
  const QColor color =
      QColor::fromString(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  if (!color.isValid()) return false;
  rgb = static_cast<uint32_t>(color.rgb()) & 0xFFFFFFu;
  return true;
}

void ApplyStyleProperty(SvgStyle& style, const SvgStyle& parent, std::string_view name,
                        std::string_view value) {
  value = TrimSvgSpaces(value);
  const bool inherit = value == "inherit";
  for (const Dropped& d : kDroppedProperties) {
    if (d.property == name && !inherit && value != "none" && !value.empty()) {
      style.Unsupported.emplace_back(d.what);
    }
  }
  if (name == "fill") {
    if (inherit)
      style.Fill = parent.Fill;
    else
      ParsePaint(value, style.Fill);
  } else if (name == "stroke") {
    if (inherit)
      style.Stroke = parent.Stroke;
    else
      ParsePaint(value, style.Stroke);
  } else if (name == "fill-opacity") {
    if (inherit)
      style.FillOpacity = parent.FillOpacity;
    else
      ParseOpacity(value, style.FillOpacity);
  } else if (name == "stroke-opacity") {
    if (inherit)
      style.StrokeOpacity = parent.StrokeOpacity;
    else
      ParseOpacity(value, style.StrokeOpacity);
  } else if (name == "opacity") {
    double own = 1;
    if (!inherit && ParseOpacity(value, own)) style.Opacity = parent.Opacity * own;
  } else if (name == "fill-rule") {
    style.EvenOdd = inherit ? parent.EvenOdd : value == "evenodd";
  } else if (name == "stroke-width") {
    double width = 0;
    if (inherit)
      style.StrokeWidth = parent.StrokeWidth;
    else if (ParseLength(value, style.FontSize, 100, width) && width >= 0)
      style.StrokeWidth = width;
  } else if (name == "stroke-dasharray") {
    if (inherit)
      style.DashArray = parent.DashArray;
    else
      ParseDashArray(value, style.DashArray);
  } else if (name == "color") {
    uint32_t rgb = 0;
    if (inherit)
      style.CurrentColor = parent.CurrentColor;
    else if (ParseSvgColor(value, rgb))
      style.CurrentColor = rgb;
  } else if (name == "font-family") {
    style.FontFamily = inherit ? parent.FontFamily : std::string(value);
  } else if (name == "font-size") {
    double size = 0;
    if (inherit)
      style.FontSize = parent.FontSize;
    else if (ParseLength(value, parent.FontSize, parent.FontSize, size) && size > 0)
      style.FontSize = size;
  } else if (name == "font-weight") {
    double weight = 0;
    style.Bold = inherit ? parent.Bold
                         : value == "bold" || value == "bolder" ||
                               (ParseLength(value, 0, 0, weight) && weight >= 600);
  } else if (name == "font-style") {
    style.Italic = inherit ? parent.Italic : value == "italic" || value == "oblique";
  } else if (name == "visibility") {
    style.Visible = inherit ? parent.Visible : value == "visible";
  } else if (name == "display") {
    style.Displayed = value != "none";
  }
}

}  // namespace tavisk
