// Text typed into a statistic's box, turned into a 16-bit number, against a reading of its
// grammar that is worked out here afresh and valued in long double. The first byte picks the
// user's locale, the rest is the text.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "NumberText.h"
#include "UserInput.h"

namespace {

// A decimal as the user wrote it, blanks and separator taken away.
struct Decimal {
  bool negative = false;
  std::string_view whole;
  std::string_view fraction;
};

bool AllDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Blanks around: spaces, tabs, and the line break that a copied spreadsheet cell brings, which
// a desktop text box keeps and shows as nothing. Then a sign; digits, at least one, split at
// most once by the locale's decimal separator, or by "." where "." does not group thousands.
std::optional<Decimal> Read(std::string_view text, rt::NumberFormat format) {
  constexpr std::string_view kBlanks = " \t\r\n";
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
  Decimal decimal;
  if (text.front() == '+' || text.front() == '-') {
    decimal.negative = text.front() == '-';
    text.remove_prefix(1);
  } else if (text.starts_with("\u2212")) {  // the typographic minus sign
    decimal.negative = true;
    text.remove_prefix(std::string_view("\u2212").size());
  }
  const auto separator = std::find_if(
      text.begin(), text.end(), [format](char c) { return c == format.decimal || (c == '.' && format.group != '.'); });
  const auto wholeLength = static_cast<std::size_t>(separator - text.begin());
  decimal.whole = text.substr(0, wholeLength);
  if (separator != text.end()) decimal.fraction = text.substr(wholeLength + 1);
  if (!AllDigits(decimal.whole) || !AllDigits(decimal.fraction)) return std::nullopt;
  if (decimal.whole.empty() && decimal.fraction.empty()) return std::nullopt;
  return decimal;
}

// The nearest whole number, a half to the even one. Past about 19 digits long double holds
// the text only approximately, and a text just beside a half may read as the half itself:
// its fraction's digits then say on which side of the half it lies.
long double Rounded(const Decimal& decimal) {
  const std::string literal = std::string(decimal.whole.empty() ? "0" : decimal.whole) + "." +
                              std::string(decimal.fraction.empty() ? "0" : decimal.fraction);
  const long double magnitude = std::strtold(literal.c_str(), nullptr);
  long double rounded = std::nearbyint(magnitude);
  if (magnitude - std::floor(magnitude) == 0.5L) {
    std::string_view digits = decimal.fraction;
    digits.remove_suffix(digits.size() - (digits.find_last_not_of('0') + 1));
    if (digits != "5") rounded = std::floor(magnitude) + (digits > "5" ? 1 : 0);
  }
  return decimal.negative ? -rounded : rounded;
}

rt::NumberTextResult Expected(std::string_view text, rt::NumberFormat format) {
  const std::optional<Decimal> decimal = Read(text, format);
  if (!decimal) return rt::NumberTextError::NotANumber;
  const long double value = Rounded(*decimal);
  if (value < -32768 || value > 32767) return rt::NumberTextError::OutOfRange;
  return static_cast<rt::Int16>(value);
}

std::string Describe(const rt::NumberTextResult& result) {
  if (const rt::Int16* value = std::get_if<rt::Int16>(&result)) return std::to_string(*value);
  return std::get<rt::NumberTextError>(result) == rt::NumberTextError::NotANumber ? "NotANumber" : "OutOfRange";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const rt::NumberFormat format = duelmark::fuzz::kLocales[data[0] % std::size(duelmark::fuzz::kLocales)];
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  const rt::NumberTextResult expected = Expected(text, format);
  const rt::NumberTextResult parsed = rt::ParseNumber(text, format);
  if (parsed != expected) {
    const std::string group = format.group ? std::string{'\'', format.group, '\''} : "none";
    std::fprintf(stderr, "ParseNumber(%s) with decimal '%c' and group %s gave %s, not %s\n",
                 duelmark::fuzz::Quoted(text).c_str(), format.decimal, group.c_str(), Describe(parsed).c_str(),
                 Describe(expected).c_str());
    std::abort();
  }
  return 0;
}
