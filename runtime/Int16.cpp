#include "Int16.h"

#include <algorithm>
#include <cmath>

namespace rt {

Int16 RoundHalfEven(double value) {
  if (std::isnan(value)) return 0;
  // Clamp first so the conversion to an integer is always defined; the default rounding mode
  // of nearbyint sends halves to the even neighbour.
  const double clamped = std::clamp(value, -65536.0, 65536.0);
  return Saturate(static_cast<std::int64_t>(std::nearbyint(clamped)));
}

std::string ToText(std::int64_t value) { return std::to_string(value); }

}  // namespace rt
