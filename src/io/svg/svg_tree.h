// The SVG file as a tree of its SVG elements, read with QXmlStreamReader
// within the limits of svg_limits.h. Elements of other namespaces (editor
// metadata) are left out with everything inside them.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace tavisk {

struct SvgElement {
  std::string Name;
  std::vector<std::pair<std::string, std::string>> Attributes;
  std::vector<size_t> Children;
  // Character data directly inside the element.
  std::string Text;

  // The attribute's value, or nullptr; xlink:href is read as href.
  const std::string* Attribute(std::string_view name) const;
};

struct SvgTree {
  // Element 0 is the root <svg>.
  std::vector<SvgElement> Elements;
  std::unordered_map<std::string, size_t> ById;
};

struct SvgTreeResult {
  SvgTree Tree;
  std::string Error;  // empty when the tree was read
};

SvgTreeResult ReadSvgTree(std::string_view text);

}  // namespace tavisk
