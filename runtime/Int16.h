#pragma once
// The program's numbers are 16-bit signed integers. Every stored result saturates at the
// range's ends instead of failing: statistics typed by the user may be extreme, and a battle
// must never crash on input the program accepted.
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace rt {

using Int16 = std::int16_t;

inline constexpr Int16 kTrue = -1;  // flags are stored as 16-bit integers
inline constexpr Int16 kFalse = 0;

constexpr Int16 Saturate(std::int64_t value) {
  if (value > std::numeric_limits<Int16>::max()) return std::numeric_limits<Int16>::max();
  if (value < std::numeric_limits<Int16>::min()) return std::numeric_limits<Int16>::min();
  return static_cast<Int16>(value);
}

constexpr Int16 Add(std::int64_t a, std::int64_t b) { return Saturate(a + b); }
constexpr Int16 Sub(std::int64_t a, std::int64_t b) { return Saturate(a - b); }
constexpr Int16 Flag(bool value) { return value ? kTrue : kFalse; }

// Nearest integer, an exact half going to the even neighbour (0.5 -> 0, 1.5 -> 2, 2.5 -> 2).
// Inline, without a call into the maths library: every decision of a battle rounds a draw.
inline Int16 RoundHalfEven(double value) {
  if (std::isnan(value)) return 0;
  // Rounding keeps the order and every whole number, so clamping to the range first gives what
  // rounding and then saturating would, and the conversion to an integer is always defined.
  const double clamped = value < -32768.0 ? -32768.0 : value > 32767.0 ? 32767.0 : value;
#if FLT_EVAL_METHOD == 0
  // Adding 1.5 * 2^52 leaves no bits for a fraction, and the default rounding sends a half to
  // the even neighbour; taking it away again is exact.
  const double rounded = (clamped + 0x1.8p52) - 0x1.8p52;
#else
  // Where sums are held wider than a double, the addition would not round: the library's
  // rounding, whose default mode also sends halves to the even neighbour.
  const double rounded = std::nearbyint(clamped);
#endif
  return static_cast<Int16>(rounded);
}

// Plain decimal: no blanks, no separators, a minus sign only for negatives.
std::string ToText(std::int64_t value);

}  // namespace rt
