// Fonts of text shapes, named by handles 1, 2, ...: a face, a size and the
// style flags. The renderer turns them into real fonts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tavisk {

// Style flags of a font, as stored in FontStyle.
inline constexpr int64_t kFontBold = 256;
inline constexpr int64_t kFontItalic = 512;
inline constexpr int64_t kFontUnderline = 4;
inline constexpr int64_t kFontStrikeOut = 8;
inline constexpr int64_t kFontHighQuality = 16;

struct FontSpec {
  std::string Name;
  int Size = 0;
  int64_t Style = 0;
  bool Loaded = false;
};

class FontStore {
 public:
  int64_t Load(const std::string& name, int size, int64_t style) {
    fonts_.push_back({name, size, style, true});
    return static_cast<int64_t>(fonts_.size());
  }
  void Release(int64_t handle) {
    if (Get(handle) != nullptr) fonts_[static_cast<size_t>(handle - 1)].Loaded = false;
  }
  // nullptr for a handle that names no loaded font.
  const FontSpec* Get(int64_t handle) const {
    if (handle < 1 || handle > static_cast<int64_t>(fonts_.size())) return nullptr;
    const FontSpec& font = fonts_[static_cast<size_t>(handle - 1)];
    return font.Loaded ? &font : nullptr;
  }

 private:
  std::vector<FontSpec> fonts_;
};

}  // namespace tavisk
