#include "io/svg/svg_css.h"

#include <algorithm>

#include "io/svg/svg_numbers.h"

namespace tavisk {

namespace {

std::string WithoutComments(std::string_view text) {
  std::string out;
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t open = text.find("/*", pos);
    if (open == std::string_view::npos) break;
    out.append(text.substr(pos, open - pos));
    const size_t close = text.find("*/", open + 2);
    if (close == std::string_view::npos) return out;
    pos = close + 2;
  }
  out.append(text.substr(std::min(pos, text.size())));
  return out;
}

bool IsNameChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '_' || static_cast<unsigned char>(c) >= 0x80;
}

// One compound selector; false for anything this reader does not match.
bool ParseSelector(std::string_view text, CssSelector& out) {
  size_t pos = 0;
  auto name = [&] {
    const size_t start = pos;
    while (pos < text.size() && IsNameChar(text[pos])) ++pos;
    return std::string(text.substr(start, pos - start));
  };
  if (pos < text.size() && text[pos] == '*') {
    ++pos;
  } else {
    out.Element = name();
  }
  while (pos < text.size()) {
    const char c = text[pos++];
    std::string part = name();
    if (part.empty()) return false;
    if (c == '.') {
      out.Classes.push_back(std::move(part));
    } else if (c == '#') {
      out.Id = std::move(part);
    } else {
      return false;
    }
  }
  return !text.empty();
}

}  // namespace

CssDeclarations ParseDeclarations(std::string_view text) {
  CssDeclarations out;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find(';', pos);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view item = text.substr(pos, end - pos);
    const size_t colon = item.find(':');
    if (colon != std::string_view::npos) {
      std::string name(TrimSvgSpaces(item.substr(0, colon)));
      std::string value(TrimSvgSpaces(item.substr(colon + 1)));
      // "!important" raises nothing here: the declaration is kept as it is.
      const size_t important = value.find("!important");
      if (important != std::string::npos)
        value = std::string(TrimSvgSpaces(std::string_view(value).substr(0, important)));
      if (!name.empty()) out.emplace_back(std::move(name), std::move(value));
    }
    pos = end + 1;
  }
  return out;
}

int CssSelector::Specificity() const {
  return (Id.empty() ? 0 : 100) + 10 * static_cast<int>(Classes.size()) + (Element.empty() ? 0 : 1);
}

void ParseStyleSheet(std::string_view sheet, std::vector<CssRule>& rules, size_t maxRules) {
  const std::string text = WithoutComments(sheet);
  size_t pos = 0;
  while (pos < text.size() && rules.size() < maxRules) {
    const size_t open = text.find('{', pos);
    if (open == std::string::npos) return;
    const size_t close = text.find('}', open);
    if (close == std::string::npos) return;
    const std::string_view selectors = std::string_view(text).substr(pos, open - pos);
    // At-rules (@media, @font-face) are passed over whole.
    const bool atRule = TrimSvgSpaces(selectors).starts_with('@');
    const auto declarations = std::make_shared<const CssDeclarations>(
        ParseDeclarations(std::string_view(text).substr(open + 1, close - open - 1)));
    size_t start = 0;
    while (!atRule && start <= selectors.size() && rules.size() < maxRules) {
      size_t comma = selectors.find(',', start);
      if (comma == std::string_view::npos) comma = selectors.size();
      CssRule rule;
      if (ParseSelector(TrimSvgSpaces(selectors.substr(start, comma - start)), rule.Selector)) {
        rule.Declarations = declarations;
        rules.push_back(std::move(rule));
      }
      start = comma + 1;
    }
    pos = close + 1;
  }
}

bool SelectorMatches(const CssSelector& selector, std::string_view element, std::string_view id,
                     const std::vector<std::string>& classes) {
  if (!selector.Element.empty() && selector.Element != element) return false;
  if (!selector.Id.empty() && selector.Id != id) return false;
  return std::all_of(selector.Classes.begin(), selector.Classes.end(), [&](const std::string& c) {
    return std::find(classes.begin(), classes.end(), c) != classes.end();
  });
}

std::vector<std::string> ClassNames(std::string_view classAttribute) {
  std::vector<std::string> out;
  size_t pos = 0;
  while (pos < classAttribute.size()) {
    while (pos < classAttribute.size() && IsSvgSpace(classAttribute[pos])) ++pos;
    const size_t start = pos;
    while (pos < classAttribute.size() && !IsSvgSpace(classAttribute[pos])) ++pos;
    if (pos > start) out.emplace_back(classAttribute.substr(start, pos - start));
  }
  return out;
}

}  // namespace tavisk
