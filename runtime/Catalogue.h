#pragma once
// A language's texts: a gettext catalogue compiled by msgfmt (a .mo file), read from its bytes
// alone, so that the desktop and the page look every text up the same way.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "PluralRule.h"

namespace rt {

class Catalogue {
 public:
  // No catalogue: every text as written in the source, English.
  Catalogue() = default;

  // A .mo file's catalogue; nothing for bytes that are not one (the reason in `why`).
  static std::optional<Catalogue> FromMo(std::string_view bytes, std::string* why = nullptr);

  // The translation of the source text, or the text itself where there is none.
  std::string_view Text(std::string_view source) const;
  // The form for n of a text that counts: the catalogue's, or English's rule.
  std::string_view Text(std::string_view singular, std::string_view plural, unsigned long n) const;

  // The catalogue's "Language" header ("de"), empty for English.
  const std::string& Language() const { return language_; }

 private:
  const std::vector<std::string>* Find(std::string_view source) const;

  // Each source text with its translation's forms, in the order of the source texts.
  std::vector<std::pair<std::string, std::vector<std::string>>> translations_;
  PluralRule plural_;
  std::string language_;
};

}  // namespace rt
