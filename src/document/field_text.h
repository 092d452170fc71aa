// Text the user types into a name or a text field, made safe for the
// document and preset lines, and names cut to a number of characters.
#pragma once

#include <cstddef>
#include <string>

namespace tavisk {

// The document fields are separated by "," and a text shape's text, font
// and style share one field separated by ";", without quoting: such a
// character typed into a name would shift every later field on reload.
// "," becomes "." and, when the text goes into that shared field
// (inTypeData), ";" becomes ":"; line breaks become blanks, since they
// would end the line.
std::string SanitizeFieldText(std::string text, bool inTypeData);

// The same replacement for one byte, for writers that copy text as it goes.
inline char SanitizedFieldChar(char c, bool inTypeData) {
  if (c == ',') return '.';
  if (c == ';' && inTypeData) return ':';
  if (c == '\r' || c == '\n') return ' ';
  return c;
}

// The first count characters of UTF-8 text (not bytes, so a cut never
// splits a character).
std::string CutToCharacters(const std::string& text, size_t count);

// Names typed for objects and presets are kept to this many characters.
inline constexpr size_t kNameCharacters = 20;

// A text shape's text is kept to this many bytes (64 KiB, pages of prose on
// one line): its outline costs memory and time in proportion, and a
// megabyte of text took gigabytes to draw. Longer texts are cut, on load and
// when typed, and the user is told.
inline constexpr size_t kMaxTextBytes = 64 * 1024;

// Cuts text to at most bytes bytes, never inside a UTF-8 character; true
// when something was cut.
bool CutToBytes(std::string& text, size_t bytes);

inline constexpr const char* kTextCutMessage =
    "A text longer than 64 KB was cut to its first 64 KB.";

}  // namespace tavisk
