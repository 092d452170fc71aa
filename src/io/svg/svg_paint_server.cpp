#include "io/svg/svg_paint_server.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "io/svg/svg_css.h"
#include "io/svg/svg_style.h"
#include "io/svg/svg_units.h"

namespace tavisk {

namespace {

// A gradient may take its stops from another by href; chains are cut here.
constexpr int kMaxHrefHops = 16;

struct Stop {
  double offset = 0;
  uint32_t rgb = 0;
  double opacity = 1;
};

Stop StopOf(const SvgElement& element, double previousOffset) {
  Stop stop;
  std::string color = "black", opacity = "1", offset = "0";
  for (const auto& [name, value] : element.Attributes) {
    if (name == "stop-color") color = value;
    if (name == "stop-opacity") opacity = value;
    if (name == "offset") offset = value;
  }
  if (const std::string* style = element.Attribute("style")) {
    for (const auto& [name, value] : ParseDeclarations(*style)) {
      if (name == "stop-color") color = value;
      if (name == "stop-opacity") opacity = value;
    }
  }
  ParseSvgColor(color, stop.rgb);
  ParseLength(opacity, 0, 1, stop.opacity);
  ParseLength(offset, 0, 1, stop.offset);
  stop.opacity = std::clamp(stop.opacity, 0.0, 1.0);
  // Offsets never run backwards.
  stop.offset = std::clamp(stop.offset, previousOffset, 1.0);
  return stop;
}

std::vector<Stop> StopsOf(const SvgTree& tree, size_t gradient) {
  std::vector<Stop> stops;
  for (int hop = 0; hop < kMaxHrefHops && stops.empty(); ++hop) {
    const SvgElement& element = tree.Elements[gradient];
    for (size_t child : element.Children) {
      if (tree.Elements[child].Name != "stop") continue;
      stops.push_back(StopOf(tree.Elements[child], stops.empty() ? 0 : stops.back().offset));
    }
    const std::string* href = element.Attribute("href");
    if (!stops.empty() || href == nullptr || !href->starts_with('#')) break;
    const auto next = tree.ById.find(href->substr(1));
    if (next == tree.ById.end()) break;
    gradient = next->second;
  }
  return stops;
}

uint32_t Mix(uint32_t a, uint32_t b, double t) {
  uint32_t out = 0;
  for (int shift = 16; shift >= 0; shift -= 8) {
    const double ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
    out |= static_cast<uint32_t>(std::lround(ca + (cb - ca) * t)) << shift;
  }
  return out;
}

}  // namespace

SvgServerColor PaintServerColor(const SvgTree& tree, const std::string& id) {
  SvgServerColor out;
  const auto found = tree.ById.find(id);
  if (found == tree.ById.end()) return out;
  const std::string& kind = tree.Elements[found->second].Name;
  if (kind == "pattern") {
    out.Dropped = "patterns";
    return out;
  }
  if (kind != "linearGradient" && kind != "radialGradient") return out;
  out.Dropped = "gradients (their middle colour was kept)";
  const std::vector<Stop> stops = StopsOf(tree, found->second);
  if (stops.empty()) return out;
  out.Found = true;
  // The colour halfway along the gradient.
  size_t after = 0;
  while (after < stops.size() && stops[after].offset < 0.5) ++after;
  if (after == 0 || after == stops.size()) {
    const Stop& only = stops[after == 0 ? 0 : stops.size() - 1];
    out.Rgb = only.rgb;
    out.Opacity = only.opacity;
    return out;
  }
  const Stop& a = stops[after - 1];
  const Stop& b = stops[after];
  const double t = b.offset > a.offset ? (0.5 - a.offset) / (b.offset - a.offset) : 0;
  out.Rgb = Mix(a.rgb, b.rgb, t);
  out.Opacity = a.opacity + (b.opacity - a.opacity) * t;
  return out;
}

}  // namespace tavisk
