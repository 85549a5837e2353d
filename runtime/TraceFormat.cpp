#include "TraceFormat.h"

#include <charconv>

namespace rt {

std::string TraceTime(Micros time) {
  char buffer[32];
  // Seconds with three decimals and a ".", whatever the user's locale.
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(time) / 1e6, std::chars_format::fixed, 3);
  return std::string(buffer, result.ptr);
}

std::string TraceValue(bool value) { return value ? "True" : "False"; }

std::string TraceValue(double value) {
  char buffer[64];
  // The shortest fixed notation that reads back exactly: 770, 2820.5, -7.
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  return std::string(buffer, result.ptr);
}

std::string TraceValue(std::string_view text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + '"';
}

}  // namespace rt
