#pragma once
// A catalogue's rule for which plural form a number takes: the C expression of gettext's
// "Plural-Forms" header ("nplurals=2; plural=(n != 1);"), read once and worked out per number.
#include <memory>
#include <optional>
#include <string_view>

namespace rt {

class PluralRule {
 public:
  // English's rule: one form for 1, another for every other number.
  PluralRule();
  ~PluralRule();
  PluralRule(PluralRule&&) noexcept;
  PluralRule& operator=(PluralRule&&) noexcept;

  // The rule of a header's "Plural-Forms" line; nothing for a line it cannot read, or one whose
  // forms are not 1 to 6 in number.
  static std::optional<PluralRule> FromHeader(std::string_view header);

  int Forms() const { return forms_; }
  // The form for n, always one of 0 to Forms() - 1 (a rule that answers outside, or divides by
  // zero, gives form 0).
  int FormFor(unsigned long n) const;

  struct Node;

 private:
  int forms_ = 2;
  std::unique_ptr<Node> expression_;
};

}  // namespace rt
