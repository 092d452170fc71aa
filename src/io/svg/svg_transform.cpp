#include "io/svg/svg_transform.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "io/svg/svg_numbers.h"

namespace tavisk {

namespace {

double Radians(double degrees) {
  return degrees * std::numbers::pi / 180.0;
}

// One function of the list from its name and arguments; false when the
// name is unknown or the count of arguments does not fit it.
bool FunctionTransform(std::string_view name, const std::vector<double>& a, QTransform& t) {
  const size_t n = a.size();
  if (name == "matrix" && n == 6) {
    t = QTransform(a[0], a[1], a[2], a[3], a[4], a[5]);
  } else if (name == "translate" && (n == 1 || n == 2)) {
    t = QTransform::fromTranslate(a[0], n == 2 ? a[1] : 0);
  } else if (name == "scale" && (n == 1 || n == 2)) {
    t = QTransform::fromScale(a[0], n == 2 ? a[1] : a[0]);
  } else if (name == "rotate" && (n == 1 || n == 3)) {
    const double c = std::cos(Radians(a[0])), s = std::sin(Radians(a[0]));
    const double cx = n == 3 ? a[1] : 0, cy = n == 3 ? a[2] : 0;
    // translate(cx, cy) rotate(a) translate(-cx, -cy)
    t = QTransform(c, s, -s, c, cx - c * cx + s * cy, cy - s * cx - c * cy);
  } else if (name == "skewX" && n == 1) {
    t = QTransform(1, 0, std::tan(Radians(a[0])), 1, 0, 0);
  } else if (name == "skewY" && n == 1) {
    t = QTransform(1, std::tan(Radians(a[0])), 0, 1, 0, 0);
  } else {
    return false;
  }
  return true;
}

bool IsNameChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

}  // namespace

bool ParseTransform(std::string_view text, QTransform& out) {
  QTransform total;
  size_t pos = 0;
  auto skipSeparators = [&] {
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == ',' || text[pos] == '\t' ||
                                 text[pos] == '\n' || text[pos] == '\r')) {
      ++pos;
    }
  };
  skipSeparators();
  while (pos < text.size()) {
    const size_t nameStart = pos;
    while (pos < text.size() && IsNameChar(text[pos])) ++pos;
    const std::string_view name = text.substr(nameStart, pos - nameStart);
    while (pos < text.size() && text[pos] == ' ') ++pos;
    if (pos >= text.size() || text[pos] != '(') return false;
    const size_t close = text.find(')', pos);
    if (close == std::string_view::npos) return false;
    std::vector<double> arguments;
    if (!ParseNumberList(text.substr(pos + 1, close - pos - 1), arguments, 6)) return false;
    QTransform step;
    if (!FunctionTransform(name, arguments, step)) return false;
    // Each function applies inside the ones before it.
    total = step * total;
    pos = close + 1;
    skipSeparators();
  }
  out = total;
  return true;
}

}  // namespace tavisk
