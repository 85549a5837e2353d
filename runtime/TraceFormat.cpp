#include "TraceFormat.h"

#include "ExactDecimal.h"

namespace rt {

std::string TraceTime(Micros time) {
  // Seconds with three decimals and a ".", whatever the user's locale.
  return RoundedDecimal(static_cast<double>(time) / 1e6, 3);
}

std::string TraceValue(bool value) { return value ? "True" : "False"; }

// The shortest fixed notation that reads back exactly: 770, 2820.5, -7.
std::string TraceValue(double value) { return ShortestDecimal(value); }

std::string TraceValue(std::string_view text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + '"';
}

}  // namespace rt
