#include "PageLanguage.h"

#include <emscripten.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "Language.h"
#include "Page.h"
#include "Texts.h"

namespace rt::web {

namespace {

std::string chosen;            // the language whose catalogue is on its way
void (*starting)() = nullptr;  // the program's start, until then

// The parts of the text between separators, empty ones among them.
std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (std::size_t at = 0;;) {
    const std::size_t end = text.find(separator, at);
    parts.push_back(text.substr(at, end == std::string_view::npos ? end : end - at));
    if (end == std::string_view::npos) return parts;
    at = end + 1;
  }
}

std::vector<std::string> Strings(const std::vector<std::string_view>& parts) { return {parts.begin(), parts.end()}; }

void Start() {
  starting();
  web_started();
}

}  // namespace

void StartInPageLanguage(std::string_view catalogues, void (*start)()) {
  const std::unique_ptr<char, decltype(&std::free)> wishes(web_language_wishes(), &std::free);
  chosen = ChooseLanguage(Strings(Split(wishes.get(), '\n')), Strings(Split(catalogues, ' ')));
  starting = start;
  if (chosen.empty()) return Start();
  web_fetch_catalogue(chosen.c_str());
}

}  // namespace rt::web

extern "C" {

// The chosen catalogue's bytes, or none (null) where it failed to arrive: the program starts in
// its language, or in English where there is no catalogue to read.
EMSCRIPTEN_KEEPALIVE void web_catalogue_arrived(const char* bytes, int length) {
  auto catalogue = bytes ? rt::Catalogue::FromMo({bytes, static_cast<std::size_t>(length)}) : std::nullopt;
  if (catalogue) {
    rt::UseCatalogue(std::move(*catalogue));
    std::string tag = rt::web::chosen;
    std::replace(tag.begin(), tag.end(), '_', '-');  // "pt_BR" is "pt-BR" in HTML
    web_speak_language(tag.c_str());
  }
  rt::web::Start();
}

// A text of the page's scripts in the page's language, its placeholders filled in: the source
// text, its plural (empty for a text that counts nothing), then each placeholder's name and
// value, all separated by U+001F (the unit separator); `n` chooses the form of a text that counts.
EMSCRIPTEN_KEEPALIVE const char* web_text(const char* parts, double n) {
  static std::string text;
  const std::vector<std::string_view> split = rt::web::Split(parts, '\x1f');
  std::vector<rt::Placeholder> placeholders;
  for (std::size_t i = 2; i + 1 < split.size(); i += 2) placeholders.emplace_back(split[i], split[i + 1]);
  const std::string_view plural = split.size() > 1 ? split[1] : std::string_view();
  const std::string source =
      plural.empty() ? rt::Tr(split[0]) : rt::TrN(split[0], plural, static_cast<std::int64_t>(n));
  text = rt::Format(source, placeholders);
  return text.c_str();
}

}  // extern "C"
