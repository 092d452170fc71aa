// The painting properties of an element: what it inherits from its parent,
// then its presentation attributes, the style sheet's rules and its style
// attribute, in that order of strength.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavisk {

struct SvgPaint {
  enum class Kind { None, Color, Reference, CurrentColor };
  Kind Type = Kind::None;
  uint32_t Rgb = 0;  // 0xRRGGBB
  std::string Id;    // the id url(#id) names
  // The colour to use when the reference names nothing usable.
  bool HasFallback = false;
  uint32_t FallbackRgb = 0;
};

struct SvgStyle {
  SvgPaint Fill{SvgPaint::Kind::Color, 0, {}, false, 0};
  SvgPaint Stroke;
  double FillOpacity = 1;
  double StrokeOpacity = 1;
  // opacity is not inherited: this is the product of the element's own and
  // every group's around it.
  double Opacity = 1;
  bool EvenOdd = false;
  double StrokeWidth = 1;
  std::vector<double> DashArray;
  uint32_t CurrentColor = 0;
  std::string FontFamily = "sans-serif";
  double FontSize = 16;
  bool Bold = false;
  bool Italic = false;
  bool Visible = true;
  bool Displayed = true;
  // Properties read that this reader cannot keep, such as "filter".
  std::vector<std::string> Unsupported;
};

// The style a child starts from: the inherited properties of parent, the
// others at their initial values.
SvgStyle InheritedStyle(const SvgStyle& parent);

// Sets one property; "inherit" takes the parent's value. Unknown properties
// are ignored.
void ApplyStyleProperty(SvgStyle& style, const SvgStyle& parent, std::string_view name,
                        std::string_view value);

// A colour (#rgb, #rrggbb, a name, rgb(...)) as 0xRRGGBB; false when none.
bool ParseSvgColor(std::string_view text, uint32_t& rgb);

// The presentation attributes that are also properties.
bool IsStyleProperty(std::string_view name);

}  // namespace tavisk
