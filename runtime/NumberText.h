#pragma once
// Conversion of a text typed by the user into one of the program's 16-bit numbers.
#include <string_view>
#include <variant>

#include "Int16.h"

namespace rt {

enum class NumberTextError { NotANumber, OutOfRange };

// The separators of the user's locale; a group separator outside ASCII is 0.
struct NumberFormat {
  char decimal = '.';
  char group = ',';
};

// The locale's separators as a toolkit gives them, in UTF-8. The user types a separator as one
// character, which here must be ASCII: a decimal separator outside ASCII becomes ".", a group
// separator outside ASCII none at all.
NumberFormat NumberFormatOf(std::string_view decimal, std::string_view group);

using NumberTextResult = std::variant<Int16, NumberTextError>;

// Accepts optional blanks around, an optional sign, and digits with an optional fraction
// written with the locale's decimal separator, or with "." where "." groups no thousands; the
// fraction is rounded half to even. Everything else (empty, letters, group separators,
// exponents, hexadecimal, currency) is NotANumber; a rounded value outside -32768..32767 is
// OutOfRange.
NumberTextResult ParseNumber(std::string_view text, NumberFormat format = {});

}  // namespace rt
