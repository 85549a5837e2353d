#pragma once
// Decimal text of a double computed from its exact binary value with integer arithmetic: the
// same digits on every compiler and C library, with "." and no locale.
#include <string>

namespace rt {

// The fewest fraction digits that read back as the same double; of those, the nearest to it:
// 770, 2820.5, 0.30000000000000004. Whole values are written out in full.
std::string ShortestDecimal(double value);

// Exactly `places` fraction digits, the exact value rounded to nearest, a tie to even.
std::string RoundedDecimal(double value, int places);

}  // namespace rt
