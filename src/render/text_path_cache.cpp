#include "render/text_path_cache.h"

#include <QFontMetricsF>

namespace tavisk {

namespace {
// Enough for every text of a large scene; past it the cache starts over
// rather than growing without bound.
constexpr size_t kMaxPaths = 8192;
}  // namespace

const QPainterPath& TextPathCache::Get(const std::string& fontKey, const QFont& font,
                                       const std::string& text) {
  std::string key = fontKey;
  key.push_back('\0');
  key += text;
  auto found = paths_.find(key);
  if (found != paths_.end()) return found->second;
  if (paths_.size() >= kMaxPaths) paths_.clear();

  QPainterPath path;
  path.addText(0, QFontMetricsF(font).ascent(), font, QString::fromStdString(text));
  path.setFillRule(Qt::OddEvenFill);
  return paths_.emplace(std::move(key), std::move(path)).first->second;
}

}  // namespace tavisk
