#pragma once
// Conversion of a text typed by the user into one of the program's 16-bit numbers.
#include <string_view>
#include <variant>

#include "Int16.h"

namespace rt {

enum class NumberTextError { NotANumber, OutOfRange };

using NumberTextResult = std::variant<Int16, NumberTextError>;

// Accepts optional blanks around, an optional sign, and digits with an optional fraction
// written with "." or the given locale decimal separator; the fraction is rounded half to
// even. Everything else (empty, letters, group separators, exponents, hexadecimal, currency)
// is NotANumber; a rounded value outside -32768..32767 is OutOfRange.
NumberTextResult ParseNumber(std::string_view text, char localeDecimalSeparator = '.');

}  // namespace rt
