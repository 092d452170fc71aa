// Declarations ("fill: red; stroke: blue") of style attributes and simple
// style sheets: rules whose selectors are an element name, *, #id or
// .class, alone or combined ("path.outline"). Rules with combinators,
// attributes or pseudo-classes are left out.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tavisk {

using CssDeclarations = std::vector<std::pair<std::string, std::string>>;

CssDeclarations ParseDeclarations(std::string_view text);

struct CssSelector {
  std::string Element;  // empty: any element
  std::string Id;
  std::vector<std::string> Classes;
  // Ids count 100, classes 10, element names 1.
  int Specificity() const;
};

struct CssRule {
  CssSelector Selector;
  // Shared by the selectors of one rule ("a, b, c { ... }").
  std::shared_ptr<const CssDeclarations> Declarations;
};

// Appends the rules of a style sheet, at most maxRules of them.
void ParseStyleSheet(std::string_view text, std::vector<CssRule>& rules, size_t maxRules);

// The element with this name, id and class attribute matches the selector.
bool SelectorMatches(const CssSelector& selector, std::string_view element, std::string_view id,
                     const std::vector<std::string>& classes);

// The words of a class attribute.
std::vector<std::string> ClassNames(std::string_view classAttribute);

}  // namespace tavisk
