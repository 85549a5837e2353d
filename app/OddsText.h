#pragma once
// The odds as a person reads them and as a program reads them (JSON). The command line prints
// them; the web page takes them as data, with the words already made by the same rules.
#include <string>
#include <vector>

#include "Odds.h"
#include "Settings.h"

namespace duelmark {

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
