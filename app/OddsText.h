#pragma once
// The odds as a person reads them and as a program reads them (JSON). The command line prints
// them; the web page takes them as data, with the words already made by the same rules.
#include <optional>
#include <string>
#include <vector>

#include "Odds.h"
#include "Settings.h"

namespace duelmark {

// A number with the given places after ".", whatever the locale: the one rounding of every
// figure in JSON, CSV, text and picture alike.
std::string Fixed(double value, int places);
std::string Percent(double share, int places = 2);  // "91.85 %"
bool IsExact(const Odds::Figures& figures);
std::string Quoted(const std::string& text);  // as a JSON string
// The text with blanks after it (or before it, right-aligned) up to `columns` characters.
std::string Padded(std::string text, std::size_t columns, bool right);

// "The Hero (Health 100, ...) against 5 Enemies (...)", leaving out the statistic at `left`
// (the table's size: the number of Enemies) when the odds vary it.
std::string SettingWords(const Settings& settings, std::optional<std::size_t> left = std::nullopt);
// "91.679 % to 92.018 %"
std::string IntervalWords(const Odds::Figures& figures);
// The JSON members of the method and the Hero's chance (no braces), and the settings' object.
std::string RateJson(const Odds::Figures& figures);
std::string SettingsJson(const Settings& settings);

// The figures in words, each number rounded here and nowhere else.
struct OddsWords {
  std::string setting;  // the setting, the battles and the seed, ending in ":"
  std::string wins;     // the Hero's share of wins and its interval
  std::string moves;    // the moves per battle
  struct Row {
    std::string lengths;  // "10-13", "42+"
    std::string share;    // "5.43 %"
    std::size_t bar;      // in characters, the longest 40
  };
  std::vector<Row> histogram;
};
OddsWords WordsOf(const Settings& settings, const Odds::Figures& figures);

// Each names the setting the odds were worked out for.
std::string OddsText(const Settings& settings, const Odds::Figures& figures);
std::string OddsJson(const Settings& settings, const Odds::Figures& figures);
// The JSON with the words of the text beside the figures: "words" holds "setting", "wins",
// "moves" and "histogram" (each range's "lengths" and "share").
std::string OddsJsonWithWords(const Settings& settings, const Odds::Figures& figures);

}  // namespace duelmark
