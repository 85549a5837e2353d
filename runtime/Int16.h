#pragma once
// The program's numbers are 16-bit signed integers. Every stored result saturates at the
// range's ends instead of failing: statistics typed by the user may be extreme, and a battle
// must never crash on input the program accepted.
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
Int16 RoundHalfEven(double value);

// Plain decimal: no blanks, no separators, a minus sign only for negatives.
std::string ToText(std::int64_t value);

}  // namespace rt
