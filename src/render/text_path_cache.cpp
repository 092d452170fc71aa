#include "render/text_path_cache.h"

#include <QFontMetricsF>

#include "document/font_store.h"

namespace tavisk {

QFont OutlineFont(const std::string& face, int64_t style, int pixels) {
  QFont font(QString::fromStdString(face));
  font.setPixelSize(pixels);
  font.setBold((style & kFontBold) != 0);
  font.setItalic((style & kFontItalic) != 0);
  font.setUnderline((style & kFontUnderline) != 0);
  font.setStrikeOut((style & kFontStrikeOut) != 0);
  // Outlines at their true shape: the same text measures and fills alike at
  // every zoom.
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

namespace {
// The key is held twice (map and use list) beside the outline's elements.
size_t EntryBytes(const std::string& key, const QPainterPath& path) {
  return 2 * key.size() + static_cast<size_t>(path.elementCount()) * sizeof(QPainterPath::Element) +
         128;
}
}  // namespace

const QPainterPath& TextPathCache::Get(const std::string& fontKey, const QFont& font,
                                       const std::string& text) {
  std::string key = fontKey;
  key.push_back('\0');
  key += text;
  auto found = paths_.find(key);
  if (found != paths_.end()) {
    uses_.splice(uses_.end(), uses_, found->second.use);
    return found->second.path;
  }

  QPainterPath path;
  path.addText(0, QFontMetricsF(font).ascent(), font, QString::fromStdString(text));
  path.setFillRule(Qt::OddEvenFill);
  const size_t bytes = EntryBytes(key, path);
  // The newest outline stays even when it alone is over the budget: the
  // caller is about to use it.
  while (!uses_.empty() && bytes_ + bytes > budget_) {
    auto oldest = paths_.find(uses_.front());
    bytes_ -= oldest->second.bytes;
    paths_.erase(oldest);
    uses_.pop_front();
  }
  uses_.push_back(key);
  bytes_ += bytes;
  return paths_.emplace(std::move(key), Entry{std::move(path), bytes, std::prev(uses_.end())})
      .first->second.path;
}

}  // namespace tavisk
