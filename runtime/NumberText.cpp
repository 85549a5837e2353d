#include "NumberText.h"

#include <algorithm>
#include <cstdint>

namespace rt {
namespace {

// U+2212 in UTF-8: the minus sign that word processors and many web pages write.
constexpr std::string_view kMinusSign = "\xE2\x88\x92";

// A copied spreadsheet cell ends in a line break, which a desktop text box keeps on paste and
// shows as nothing; around a number it is a blank like a space.
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Whether the fraction digits round the magnitude up, given whether the whole part is odd.
bool FractionRoundsUp(std::string_view fraction, bool wholeIsOdd) {
  if (fraction.empty() || fraction.front() < '5') return false;
  if (fraction.front() > '5') return true;
  for (char digit : fraction.substr(1)) {
    if (digit != '0') return true;
  }
  return wholeIsOdd;  // an exact half goes to the even neighbour
}

// The one ASCII character of a separator, or the fallback.
char AsciiOr(std::string_view separator, char fallback) {
  return separator.size() == 1 && static_cast<unsigned char>(separator[0]) < 128 ? separator[0] : fallback;
}

}  // namespace

NumberFormat NumberFormatOf(std::string_view decimal, std::string_view group) {
  return {.decimal = AsciiOr(decimal, '.'), .group = AsciiOr(group, 0)};
}

NumberTextResult ParseNumber(std::string_view text, NumberFormat format) {
  text = TrimBlanks(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  } else if (text.starts_with(kMinusSign)) {
    negative = true;
    text.remove_prefix(kMinusSign.size());
  }

  // Magnitudes beyond this bound are out of range whatever follows; capping keeps it exact.
  constexpr std::int64_t kCap = 1'000'000;
  std::int64_t whole = 0;
  std::size_t pos = 0;
  while (pos < text.size() && IsDigit(text[pos])) {
    whole = std::min<std::int64_t>(whole * 10 + (text[pos] - '0'), kCap);
    ++pos;
  }
  const std::size_t wholeDigits = pos;

  std::string_view fraction;
  const auto isDecimalPoint = [format](char c) { return c == format.decimal || (c == '.' && format.group != '.'); };
  if (pos < text.size() && isDecimalPoint(text[pos])) {
    const std::size_t start = ++pos;
    while (pos < text.size() && IsDigit(text[pos])) ++pos;
    fraction = text.substr(start, pos - start);
  }
  if (pos != text.size() || wholeDigits + fraction.size() == 0) return NumberTextError::NotANumber;

  if (FractionRoundsUp(fraction, whole % 2 == 1)) ++whole;
  const std::int64_t value = negative ? -whole : whole;
  if (Saturate(value) != value) return NumberTextError::OutOfRange;
  return static_cast<Int16>(value);
}

}  // namespace rt
