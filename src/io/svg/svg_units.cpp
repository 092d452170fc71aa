#include "io/svg/svg_units.h"

#include "io/svg/svg_numbers.h"

namespace tavisk {

namespace {}  // namespace

bool ParseLength(std::string_view text, double fontSize, double percentBase, double& out) {
  text = TrimSvgSpaces(text);
  size_t unitStart = text.size();
  while (unitStart > 0 && ((text[unitStart - 1] >= 'a' && text[unitStart - 1] <= 'z') ||
                           text[unitStart - 1] == '%')) {
    --unitStart;
  }
  const std::string_view unit = text.substr(unitStart);
  SvgNumberScanner scanner(text.substr(0, unitStart));
  double value = 0;
  if (!scanner.Number(value) || !scanner.AtEnd()) return false;
  struct Unit {
    std::string_view name;
    double factor;
  };
  // CSS pixels: 96 to the inch.
  const Unit units[] = {{"", 1},
                        {"px", 1},
                        {"pt", 96.0 / 72},
                        {"pc", 16},
                        {"mm", 96 / 25.4},
                        {"cm", 96 / 2.54},
                        {"in", 96},
                        {"em", fontSize},
                        {"ex", fontSize / 2},
                        {"%", percentBase / 100}};
  for (const Unit& u : units) {
    if (u.name == unit) {
      out = value * u.factor;
      return true;
    }
  }
  return false;
}

}  // namespace tavisk
