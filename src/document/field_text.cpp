#include "document/field_text.h"

namespace tavisk {

std::string SanitizeFieldText(std::string text, bool inTypeData) {
  for (char& c : text) c = SanitizedFieldChar(c, inTypeData);
  return text;
}

std::string CutToCharacters(const std::string& text, size_t count) {
  size_t characters = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    // A UTF-8 character starts at every byte that is not a continuation byte.
    const bool starts = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
    if (starts && characters++ == count) return text.substr(0, i);
  }
  return text;
}

bool CutToBytes(std::string& text, size_t bytes) {
  if (text.size() <= bytes) return false;
  size_t end = bytes;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  text.resize(end);
  return true;
}

}  // namespace tavisk
