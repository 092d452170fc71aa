#include "io/svg/svg_text.h"

#include <algorithm>
#include <vector>

#include "io/svg/svg_numbers.h"
#include "io/svg/svg_units.h"

namespace tavisk {

namespace {

// Past this the rest of a text is left out.
constexpr size_t kMaxRunBytes = 65536;

// Gathers at most this much before collapsing.
constexpr size_t kMaxGatheredBytes = 4 * kMaxRunBytes;

// Each element visited and each byte gathered is taken from budget; false
// when it ran out.
bool Gather(const SvgTree& tree, const SvgElement& element, std::string& out, int depth,
            int64_t& budget) {
  const size_t taken =
      std::min(element.Text.size(), kMaxGatheredBytes - std::min(out.size(), kMaxGatheredBytes));
  out.append(element.Text, 0, taken);
  budget -= 1 + static_cast<int64_t>(taken);
  if (budget < 0) return false;
  if (depth > 16) return true;
  for (size_t child : element.Children) {
    const SvgElement& inner = tree.Elements[child];
    if ((inner.Name == "tspan" || inner.Name == "a") &&
        !Gather(tree, inner, out, depth + 1, budget)) {
      return false;
    }
  }
  return true;
}

std::string Collapsed(const std::string& text) {
  std::string out;
  bool space = false;
  for (char c : text) {
    if (out.size() >= kMaxRunBytes) break;
    if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
      space = !out.empty();
      continue;
    }
    if (space) out += ' ';
    space = false;
    out += c;
  }
  return out;
}

// The first of a list of lengths, as x and y of a text may be.
double FirstLength(const SvgElement& element, const char* name, double fontSize, double base) {
  const std::string* text = element.Attribute(name);
  if (text == nullptr) return 0;
  const size_t end = text->find_first_of(" ,\t\n");
  double value = 0;
  return ParseLength(std::string_view(*text).substr(0, end), fontSize, base, value) ? value : 0;
}

std::string FirstFamily(const std::string& families) {
  std::string first = families.substr(0, families.find(','));
  const size_t begin = first.find_first_not_of(" '\"");
  const size_t end = first.find_last_not_of(" '\"");
  if (begin == std::string::npos) return "sans-serif";
  return first.substr(begin, end - begin + 1);
}

}  // namespace

bool TextRunOf(const SvgTree& tree, const SvgElement& element, QSizeF viewport,
               const SvgStyle& style, int64_t& budget, SvgTextRun& run) {
  std::string text;
  if (!Gather(tree, element, text, 0, budget)) return false;
  run.Text = Collapsed(text);
  run.FontFamily = FirstFamily(style.FontFamily);
  run.Size = style.FontSize;
  run.Bold = style.Bold;
  run.Italic = style.Italic;
  run.Baseline = QPointF(FirstLength(element, "x", style.FontSize, viewport.width()),
                         FirstLength(element, "y", style.FontSize, viewport.height()));
  return true;
}

}  // namespace tavisk
