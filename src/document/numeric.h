// Number conventions shared by every layer: 16-bit fields wrap, reals round
// half to even, colours are RGBA words sign-extended into 64 bits.
#pragma once

#include <cmath>
#include <cstdint>

namespace tavisk {

// Keeps the low 16 bits, as the 16-bit record fields do, without relying on
// signed overflow.
inline int16_t Wrap16(int64_t value) {
  return static_cast<int16_t>(static_cast<uint16_t>(static_cast<uint64_t>(value) & 0xFFFFu));
}

inline uint8_t Wrap8(int64_t value) {
  return static_cast<uint8_t>(static_cast<uint64_t>(value) & 0xFFu);
}

// Nearest integer, halves to the even neighbour (the default rounding mode).
// Values outside the 64-bit range or NaN give 0 instead of undefined behaviour.
inline int64_t RoundInt(double value) {
  if (!(value > -9.2e18 && value < 9.2e18)) return 0;
  return static_cast<int64_t>(std::llrint(value));
}

// Integer division truncating toward zero that never divides by zero:
// a zero divisor gives 0.
inline int64_t DivTrunc(int64_t a, int64_t b) { return b == 0 ? 0 : a / b; }

// The grid line at or before value, counted toward zero; a step below 1
// leaves value as it is.
inline int64_t SnapToStep(int64_t value, int64_t step) {
  return step < 1 ? value : DivTrunc(value, step) * step;
}

// Packs red in the low byte and alpha in the high byte, sign-extended: an
// opaque colour is negative.
inline int64_t RGBA(int red, int green, int blue, int alpha) {
  const uint32_t word = static_cast<uint32_t>(red & 0xFF) | static_cast<uint32_t>(green & 0xFF) << 8 |
                        static_cast<uint32_t>(blue & 0xFF) << 16 |
                        static_cast<uint32_t>(alpha & 0xFF) << 24;
  return static_cast<int32_t>(word);
}

inline int Red(int64_t color) { return static_cast<int>(color & 0xFF); }
inline int Green(int64_t color) { return static_cast<int>((color >> 8) & 0xFF); }
inline int Blue(int64_t color) { return static_cast<int>((color >> 16) & 0xFF); }
inline int Alpha(int64_t color) { return static_cast<int>((color >> 24) & 0xFF); }

// The same red, green and blue with another alpha.
inline int64_t WithAlpha(int64_t color, int alpha) {
  return RGBA(Red(color), Green(color), Blue(color), alpha);
}

}  // namespace tavisk
