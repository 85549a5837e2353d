#pragma once
// What a user types, for the fuzz targets: the separators of the user's locale, and any bytes
// written out readably in a report.
#include <cstdio>
#include <string>
#include <string_view>

#include "NumberText.h"

namespace duelmark::fuzz {

// "." with "," grouping (English), the reverse (German), and "." or "," where the locale groups
// with a character outside ASCII, which leaves no group separator at all (Swiss German's "’",
// French's narrow no-break space).
inline const rt::NumberFormat kLocales[] = {{.decimal = '.', .group = ','},
                                            {.decimal = ',', .group = '.'},
                                            rt::NumberFormatOf(".", "\u2019"),
                                            rt::NumberFormatOf(",", "\u202F")};

// The text in quotes, every byte outside printable ASCII, a quote and a backslash as \xNN.
inline std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7f && c != '"' && c != '\\') {
      quoted += c;
    } else {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
      quoted += escaped;
    }
  }
  return quoted + '"';
}

}  // namespace duelmark::fuzz
