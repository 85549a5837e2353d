// The texts in the user's language: the catalogue's reader, its plural rule, the placeholders
// and which language answers the user's wishes.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "Catalogue.h"
#include "Language.h"
#include "PluralRule.h"
#include "Texts.h"

namespace {

// Compiled by msgfmt, where it is installed.
std::string CompiledCatalogue() {
  if (std::string(TEXTS_CATALOGUE).empty()) return {};
  std::ifstream file(TEXTS_CATALOGUE, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

TEST(Texts, APluralRuleGivesEachNumberItsForm) {
  const struct {
    const char* header;
    unsigned long n;
    int form;
  } cases[] = {
      {"Plural-Forms: nplurals=2; plural=(n != 1);", 1, 0},
      {"Plural-Forms: nplurals=2; plural=(n != 1);", 0, 1},
      {"Plural-Forms: nplurals=2; plural=(n > 1);", 0, 0},
      {"Plural-Forms: nplurals=2; plural=(n > 1);", 2, 1},
      {"Plural-Forms: nplurals=3; plural=(n%10==1 && n%100!=11 ? 0 : n%10>=2 && n%10<=4 && (n%100<10 || "
       "n%100>=20) ? 1 : 2);",
       22, 1},
      {"Plural-Forms: nplurals=3; plural=(n%10==1 && n%100!=11 ? 0 : n%10>=2 && n%10<=4 && (n%100<10 || "
       "n%100>=20) ? 1 : 2);",
       111, 2},
      {"Plural-Forms: nplurals=1; plural=0;", 5, 0},
      {"Plural-Forms: nplurals=2; plural=n/0;", 5, 0},  // no division by zero: the first form
      {"Plural-Forms: nplurals=2; plural=n+7;", 1, 0},  // past the forms: the first
      {"Plural-Forms: nplurals=2; plural=!(n<=1);", 3, 1},
  };
  for (const auto& c : cases) {
    const auto rule = rt::PluralRule::FromHeader(c.header);
    ASSERT_TRUE(rule) << c.header;
    EXPECT_EQ(rule->FormFor(c.n), c.form) << c.header << " for " << c.n;
  }
  for (const char* unreadable :
       {"Plural-Forms: nplurals=2; plural=(n != 1;", "Plural-Forms: nplurals=9; plural=n;", "Plural-Forms: plural=n;",
        "Plural-Forms: nplurals=2; plural=n ? 1;",
        "Plural-Forms: nplurals=2; plural=((((((((((((((((((((((((((((((((((((((((((((((((((("
        "((((((((((((((((n))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))));"})
    EXPECT_FALSE(rt::PluralRule::FromHeader(unreadable)) << unreadable;
}

TEST(Texts, ACompiledCatalogueAnswersItsTextsAndEnglishTheRest) {
  if (CompiledCatalogue().empty()) GTEST_SKIP() << "msgfmt is not installed";
  const auto catalogue = rt::Catalogue::FromMo(CompiledCatalogue());
  ASSERT_TRUE(catalogue);
  EXPECT_EQ(catalogue->Language(), "pl");
  EXPECT_EQ(catalogue->Text("Enemy"), "Wróg");
  EXPECT_EQ(catalogue->Text("Untranslated"), "Untranslated");
  EXPECT_EQ(catalogue->Text("Not in it"), "Not in it");
  const std::pair<unsigned long, const char*> forms[] = {
      {1, "{count} ruch"}, {3, "{count} ruchy"}, {5, "{count} ruchów"}};
  for (const auto& [n, form] : forms) EXPECT_EQ(catalogue->Text("{count} move", "{count} moves", n), form) << n;
  EXPECT_EQ(rt::Catalogue().Text("{count} move", "{count} moves", 1), "{count} move");
  EXPECT_EQ(rt::Catalogue().Text("{count} move", "{count} moves", 0), "{count} moves");
}

// Damaged bytes are refused or read, never read past their end (the sanitizers' build sees to it).
TEST(Texts, EveryCutOrFlippedCatalogueIsRefusedOrReadWithinItsBytes) {
  if (CompiledCatalogue().empty()) GTEST_SKIP() << "msgfmt is not installed";
  const std::string whole = CompiledCatalogue();
  for (std::size_t length = 0; length < whole.size(); ++length) {
    std::string why;
    if (!rt::Catalogue::FromMo(whole.substr(0, length), &why)) {
      EXPECT_FALSE(why.empty());
    }
  }
  for (std::size_t at = 0; at < whole.size(); ++at) {
    std::string flipped = whole;
    flipped[at] = static_cast<char>(~flipped[at]);
    rt::Catalogue::FromMo(flipped);
  }
  EXPECT_FALSE(rt::Catalogue::FromMo("not a catalogue at all"));
}

TEST(Texts, PlaceholdersAreFilledByName) {
  EXPECT_EQ(rt::Format("{enemy} attacked {fighter}.", {{"fighter", "Hero"}, {"enemy", "Enemy 2"}}),
            "Enemy 2 attacked Hero.");
  EXPECT_EQ(rt::Format("{unknown} {x} {", {{"x", "1"}}), "{unknown} 1 {");
}

TEST(Texts, TheLanguageIsTheFirstWishACatalogueIsThereFor) {
  const std::vector<std::string> installed = {"de", "fr", "pt_BR"};
  const struct {
    const char *language, *lcAll, *lcMessages, *lang, *chosen;
  } cases[] = {
      {"", "", "", "de_DE.UTF-8", "de"},
      {"", "", "fr_CA.UTF-8", "de_DE.UTF-8", "fr"},
      {"", "de_AT@euro", "fr_FR", "", "de"},
      {"fr:de", "", "", "de_DE.UTF-8", "fr"},
      {"it:de", "", "", "en_US.UTF-8", "de"},
      {"en:de", "", "", "de_DE.UTF-8", ""},  // English asked for first
      {"de", "", "", "C.UTF-8", ""},         // LANGUAGE is not heeded under the C locale
      {"de", "", "", "", ""},
      {"", "", "", "pt_BR.UTF-8", "pt_BR"},
      {"", "", "", "pt_PT.UTF-8", ""},
      {"", "", "", "ja_JP.UTF-8", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(rt::ChooseLanguage(rt::DesktopLanguages(c.language, c.lcAll, c.lcMessages, c.lang), installed), c.chosen)
        << c.language << " | " << c.lcAll << " | " << c.lcMessages << " | " << c.lang;
  // A browser's wishes.
  EXPECT_EQ(rt::ChooseLanguage({"de-CH", "en"}, installed), "de");
  EXPECT_EQ(rt::ChooseLanguage({"PT-br"}, installed), "pt_BR");
}

}  // namespace
