#include "Texts.h"

#include <algorithm>

namespace rt {

namespace {
Catalogue& Current() {
  static Catalogue catalogue;
  return catalogue;
}
}  // namespace

void UseCatalogue(Catalogue catalogue) { Current() = std::move(catalogue); }
const Catalogue& CurrentCatalogue() { return Current(); }

std::string Tr(std::string_view source) { return std::string(Current().Text(source)); }

std::string TrN(std::string_view singular, std::string_view plural, std::int64_t n) {
  const std::uint64_t count = n < 0 ? 0 - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
  return std::string(Current().Text(singular, plural, static_cast<unsigned long>(count)));
}

std::string Format(std::string_view text, std::span<const Placeholder> values) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t open = text.find('{', at);
    const std::size_t close = open == std::string_view::npos ? open : text.find('}', open);
    if (close == std::string_view::npos) {
      result += text.substr(at);
      break;
    }
    result += text.substr(at, open - at);
    const std::string_view name = text.substr(open + 1, close - open - 1);
    const auto value = std::find_if(values.begin(), values.end(), [&](const auto& pair) { return pair.first == name; });
    if (value != values.end()) {
      result += value->second;
      at = close + 1;
    } else {
      result += '{';
      at = open + 1;
    }
  }
  return result;
}

std::size_t Columns(std::string_view text) {
  // Each character but its continuation bytes, 10xxxxxx.
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

}  // namespace rt
