#include "render/text_reach.h"

#include <algorithm>

#include "render/text_path_cache.h"

namespace tavisk {

TextReach TextReachOf(const QFontMetricsF& metrics) {
  const double height = metrics.height();
  // A glyph from a fallback font may be wider than this font's widest, but
  // not wider than its line height per byte of its character.
  return TextReach{height, std::max(metrics.maxWidth(), height)};
}

QRectF TextPieceBox(double x, double advance, double height) {
  return QRectF(x - height, -height, advance + 2 * height, 3 * height);
}

const TextReach& TextReaches::Of(int64_t handle, const std::string& face, int64_t style,
                                 int pixels) {
  const uint64_t key = static_cast<uint64_t>(handle) << 32 ^ static_cast<uint32_t>(pixels);
  Entry& entry = entries_[key];
  if (entry.reach.height == 0 || entry.face != face || entry.style != style) {
    entry = Entry{face, style, TextReachOf(QFontMetricsF(OutlineFont(face, style, pixels)))};
  }
  return entry.reach;
}

}  // namespace tavisk
