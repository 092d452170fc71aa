// Fonts of text shapes, named by handles 1, 2, ...: a face, a size and the
// style flags. The renderer turns them into real fonts.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
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

// Equal requests share one handle, counted: a document of thousands of texts
// in a few fonts keeps a few entries however often it is loaded, and a
// handle stays loaded until every shape that asked for it has released it.
class FontStore {
 public:
  int64_t Load(const std::string& name, int size, int64_t style) {
    std::string key = Key(name, size, style);
    const auto found = handles_.find(key);
    if (found != handles_.end()) {
      Entry& entry = fonts_[static_cast<size_t>(found->second - 1)];
      entry.font.Loaded = true;
      ++entry.users;
      return found->second;
    }
    fonts_.push_back({{name, size, style, true}, 1});
    const auto handle = static_cast<int64_t>(fonts_.size());
    handles_.emplace(std::move(key), handle);
    return handle;
  }
  void Release(int64_t handle) {
    if (Get(handle) == nullptr) return;
    Entry& entry = fonts_[static_cast<size_t>(handle - 1)];
    if (--entry.users == 0) entry.font.Loaded = false;
  }
  // nullptr for a handle that names no loaded font.
  const FontSpec* Get(int64_t handle) const {
    if (handle < 1 || handle > static_cast<int64_t>(fonts_.size())) return nullptr;
    const FontSpec& font = fonts_[static_cast<size_t>(handle - 1)].font;
    return font.Loaded ? &font : nullptr;
  }

 private:
  struct Entry {
    FontSpec font;
    int64_t users = 0;
  };
  static std::string Key(const std::string& name, int size, int64_t style) {
    std::string key = name;
    key += '\0';
    key += std::to_string(size);
    key += '\0';
    key += std::to_string(style);
    return key;
  }

  std::vector<Entry> fonts_;
  std::unordered_map<std::string, int64_t> handles_;
};

}  // namespace tavisk
