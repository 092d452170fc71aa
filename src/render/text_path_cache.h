// Text outlines are slow to build (tens of microseconds per text), so each
// one is built once per text, font and size and kept.
#pragma once

#include <QFont>
#include <QPainterPath>
#include <string>
#include <unordered_map>

namespace tavisk {

class TextPathCache {
 public:
  // The outline of text in font, top-left at (0, 0), even-odd. fontKey names
  // font uniquely (face, size and style).
  const QPainterPath& Get(const std::string& fontKey, const QFont& font, const std::string& text);

 private:
  std::unordered_map<std::string, QPainterPath> paths_;
};

}  // namespace tavisk
