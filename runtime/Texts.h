#pragma once
// Every text a user reads or hears goes through here: written in English in the source, looked
// up in the program's catalogue (UseCatalogue, once at its start), and its placeholders
// ("{enemy}") filled in after, so that a translation may move them.
//
// The marks that scripts/update-catalogues.sh looks for: Tr("...") for a text, TrN("...", "...", n)
// for one that counts something, and N_("...") for a text translated where it is used.
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "Catalogue.h"

namespace rt {

void UseCatalogue(Catalogue catalogue);
const Catalogue& CurrentCatalogue();

std::string Tr(std::string_view source);
std::string TrN(std::string_view singular, std::string_view plural, std::int64_t n);  // by |n|
constexpr const char* N_(const char* source) { return source; }

// The text with each "{name}" replaced by its value; a name it is not given stays as written.
using Placeholder = std::pair<std::string_view, std::string_view>;  // its name and its value
std::string Format(std::string_view text, std::span<const Placeholder> values);
// The placeholders named where the text is used, as Format(text, {{"enemy", name}}).
inline std::string Format(std::string_view text, std::initializer_list<Placeholder> values) {
  return Format(text, std::span(values.begin(), values.size()));
}

// The columns a text takes on a terminal, so that a translation lines up as English does: one
// for each character, however many bytes it takes in UTF-8.
std::size_t Columns(std::string_view text);

}  // namespace rt
