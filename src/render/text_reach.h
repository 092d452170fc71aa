// How far a text's outline may reach from its cursor, known from its font's
// metrics alone, so that a text far from the canvas is passed over without
// outlining or even measuring it.
#pragma once

#include <QFontMetricsF>
#include <QRectF>
#include <cstdint>
#include <string>
#include <unordered_map>

namespace tavisk {

struct TextReach {
  double height = 0;   // the font's line height
  double perByte = 0;  // the most a character advances, per byte of its UTF-8
};

TextReach TextReachOf(const QFontMetricsF& metrics);

// A box around the outline of a piece of text that starts x along the row
// and advances by advance, the cursor at (0, 0): room for glyphs that
// overhang their advance (italics, accents) and for the row's height.
QRectF TextPieceBox(double x, double advance, double height);

// The reach of every font texts are outlined in, kept per font so that a
// text costs no font construction once its font has been seen.
class TextReaches {
 public:
  // The reach in face with style flags at pixels (at least 1); handle is
  // the text's font handle, which keys the cache with pixels.
  const TextReach& Of(int64_t handle, const std::string& face, int64_t style, int pixels);

 private:
  struct Entry {
    std::string face;
    int64_t style = 0;
    TextReach reach;
  };
  std::unordered_map<uint64_t, Entry> entries_;
};

}  // namespace tavisk
