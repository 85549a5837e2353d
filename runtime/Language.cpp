#include "Language.h"

#include <algorithm>
#include <cctype>

namespace rt {

std::vector<std::string> DesktopLanguages(std::string_view language, std::string_view lcAll,
                                          std::string_view lcMessages, std::string_view lang) {
  std::string_view locale = !lcAll.empty() ? lcAll : !lcMessages.empty() ? lcMessages : lang;
  const bool plain = locale.empty() || locale == "C" || locale == "POSIX" || locale.substr(0, 2) == "C.";
  std::vector<std::string> wishes;
  if (!plain) {
    for (std::size_t at = 0; at <= language.size();) {
      const std::size_t end = std::min(language.find(':', at), language.size());
      if (end > at) wishes.emplace_back(language.substr(at, end - at));
      at = end + 1;
    }
  }
  // "C" stands for English, so it ends the wishes there.
  wishes.emplace_back(plain ? "C" : std::string(locale));
  return wishes;
}

namespace {
// "de_AT.UTF-8@euro" and "de-at" as "de_AT"; the language alone in lower case, the region upper.
std::string Normal(std::string_view wish) {
  wish = wish.substr(0, std::min(wish.find('.'), wish.find('@')));
  std::string normal;
  bool region = false;
  for (const char c : wish) {
    if (c == '-' || c == '_') {
      region = true;
      normal += '_';
    } else {
      const auto letter = static_cast<unsigned char>(c);
      normal += static_cast<char>(region ? std::toupper(letter) : std::tolower(letter));
    }
  }
  return normal;
}
}  // namespace

std::string ChooseLanguage(const std::vector<std::string>& wishes, const std::vector<std::string>& catalogues) {
  const auto there = [&](const std::string& name) {
    return std::find(catalogues.begin(), catalogues.end(), name) != catalogues.end();
  };
  for (const std::string& wish : wishes) {
    const std::string normal = Normal(wish);
    const std::string alone = normal.substr(0, normal.find('_'));
    if (alone == "c" || alone == "posix" || alone == "en") return {};
    if (there(normal)) return normal;
    if (there(alone)) return alone;
  }
  return {};
}

}  // namespace rt
