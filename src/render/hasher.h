// A fast 64-bit hash of a stream of numbers and strings, for telling whether
// what a paint or a shape depends on has changed since the last redraw.
#pragma once

#include <bit>
#include <cstdint>
#include <string>

namespace tavisk {

class Hasher {
 public:
  void Add(uint64_t v) {
    h_ ^= v + 0x9E3779B97F4A7C15ull + (h_ << 6) + (h_ >> 2);
    h_ *= 0xFF51AFD7ED558CCDull;
  }
  void Add(int64_t v) { Add(static_cast<uint64_t>(v)); }
  void Add(double v) { Add(std::bit_cast<uint64_t>(v)); }
  void Add(const std::string& s) {
    Add(static_cast<uint64_t>(s.size()));
    uint64_t word = 0;
    for (size_t i = 0; i < s.size(); ++i) {
      word = word << 8 | static_cast<unsigned char>(s[i]);
      if (i % 8 == 7) Add(word);
    }
    Add(word);
  }
  uint64_t Value() const { return h_ ^ (h_ >> 33); }

 private:
  uint64_t h_ = 0xCBF29CE484222325ull;
};

}  // namespace tavisk
