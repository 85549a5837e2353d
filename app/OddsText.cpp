#include "OddsText.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "ExactDecimal.h"
#include "Int16.h"

namespace duelmark {
namespace {

constexpr int kLongestBar = 40;

}  // namespace

std::string Fixed(double value, int places) { return rt::RoundedDecimal(value, places); }

bool IsExact(const Odds::Figures& figures) { return figures.method == Odds::Method::Exact; }

namespace {

std::string Lengths(const Odds::LengthRange& range) {
  if (range.open) return std::to_string(range.fromMoves) + "+";
  if (range.fromMoves == range.toMoves) return std::to_string(range.fromMoves);
  return std::to_string(range.fromMoves) + "-" + std::to_string(range.toMoves);
}

std::string Padded(std::string text, std::size_t width, bool right) {
  if (text.size() >= width) return text;
  const std::string blanks(width - text.size(), ' ');
  return right ? blanks + text : text + blanks;
}

// Shares to the places that the method's precision warrants.
int SharePlaces(const Odds::Figures& figures) { return IsExact(figures) ? 10 : 6; }

}  // namespace

std::string Quoted(const std::string& text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '\n') {
      quoted += "\\n";  // a refusal's two lines
      continue;
    }
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
}

OddsWords WordsOf(const Settings& settings, const Odds::Figures& figures) {
  OddsWords words;
  words.setting = SettingWords(settings) + ", " + MethodWords(figures) + ":";
  words.wins = "The Hero wins " + Percent(figures.heroWinRate) + " of the battles" +
               (IsExact(figures) ? "." : " (95 % interval " + IntervalWords(figures) + ").");
  words.moves = "Moves per battle: mean " + Fixed(figures.movesMean, 2) + ", median " +
                std::to_string(figures.movesMedian) + ", 90th percentile " + std::to_string(figures.movesP90) + ".";
  double most = 0;
  for (const Odds::LengthRange& range : figures.histogram) most = std::max(most, range.share);
  for (const Odds::LengthRange& range : figures.histogram) {
    const auto bar = static_cast<std::size_t>(std::llround(most > 0 ? kLongestBar * range.share / most : 0));
    words.histogram.push_back({Lengths(range), Percent(range.share), bar});
  }
  return words;
}

std::string OddsText(const Settings& settings, const Odds::Figures& figures) {
  const OddsWords words = WordsOf(settings, figures);
  std::string text = words.setting + "\n" + words.wins + "\n" + words.moves + "\n\nMoves   Battles\n";
  for (const OddsWords::Row& row : words.histogram)
    text += Padded(row.lengths, 7, false) + Padded(row.share, 9, true) + "  " + std::string(row.bar, '#') + "\n";
  return text;
}

std::string SettingWords(const Settings& settings, std::optional<std::size_t> left) {
  const auto statistics = [&](Side side) {
    std::string text;
    for (std::size_t i = 0; i < kStatistics.size(); ++i) {
      const Statistic& statistic = kStatistics[i];
      if (statistic.side != side || left == i) continue;
      text += (text.empty() ? "" : ", ") + std::string(statistic.name) + " " + rt::ToText(Value(settings, statistic));
    }
    return text;
  };
  const std::string enemies = left && *left == kStatistics.size() ? "Enemies"
                              : settings.NumEnemies == 1          ? "1 Enemy"
                                                                  : rt::ToText(settings.NumEnemies) + " Enemies";
  return "The Hero (" + statistics(Side::Hero) + ") against " + enemies + " (" + statistics(Side::Enemy) + ")";
}

std::string MethodWords(const Odds::Figures& figures) {
  if (IsExact(figures)) return "worked out exactly over " + std::to_string(figures.states) + " states";
  return "from " + std::to_string(figures.battles) + " battles, seed " + std::to_string(figures.seed);
}

std::string IntervalWords(const Odds::Figures& figures) {
  return Percent(figures.heroWinRateLow, 3) + " to " + Percent(figures.heroWinRateHigh, 3);
}

std::string Percent(double share, int places) { return Fixed(100 * share, places) + " %"; }

std::string RateJson(const Odds::Figures& figures) {
  const int places = SharePlaces(figures);
  std::string json = "\"method\":\"" + std::string(IsExact(figures) ? "exact" : "sampled") + "\"";
  if (IsExact(figures)) json += ",\"states\":" + std::to_string(figures.states);
  if (!IsExact(figures)) {
    json += ",\"battles\":" + std::to_string(figures.battles) + ",\"heroWins\":" + std::to_string(figures.heroWins) +
            ",\"enemyWins\":" + std::to_string(figures.enemyWins);
  }
  return json + ",\"heroWinRate\":" + Fixed(figures.heroWinRate, places) +
         ",\"heroWinRateLow\":" + Fixed(figures.heroWinRateLow, places) +
         ",\"heroWinRateHigh\":" + Fixed(figures.heroWinRateHigh, places) +
         ",\"movesMean\":" + Fixed(figures.movesMean, IsExact(figures) ? 9 : 4);
}

std::string SettingsJson(const Settings& settings) {
  std::string json = "{\"" + std::string(kEnemyCount.optionName) + "\":" + rt::ToText(settings.NumEnemies);
  for (const Statistic& statistic : kStatistics)
    json += ",\"" + OptionName(statistic) + "\":" + rt::ToText(Value(settings, statistic));
  return json + "}";
}

std::string OddsJson(const Settings& settings, const Odds::Figures& figures) {
  std::string json = "{" + RateJson(figures) + ",\"movesMedian\":" + std::to_string(figures.movesMedian) +
                     ",\"movesP90\":" + std::to_string(figures.movesP90) + ",\"seed\":" + std::to_string(figures.seed) +
                     ",\"histogram\":[";
  for (std::size_t i = 0; i < figures.histogram.size(); ++i) {
    const Odds::LengthRange& range = figures.histogram[i];
    json += (i ? ",{" : "{") + std::string("\"fromMoves\":") + std::to_string(range.fromMoves) +
            ",\"toMoves\":" + std::to_string(range.toMoves) + ",\"open\":" + (range.open ? "true" : "false") +
            ",\"share\":" + Fixed(range.share, SharePlaces(figures));
    if (!IsExact(figures)) json += ",\"battles\":" + std::to_string(range.battles);
    json += "}";
  }
  return json + "],\"settings\":" + SettingsJson(settings) + "}";
}

std::string OddsJsonWithWords(const Settings& settings, const Odds::Figures& figures) {
  const OddsWords words = WordsOf(settings, figures);
  std::string json = OddsJson(settings, figures);
  json.pop_back();  // the object's closing brace, after which the words go in
  json += ",\"words\":{\"setting\":" + Quoted(words.setting) + ",\"wins\":" + Quoted(words.wins) +
          ",\"moves\":" + Quoted(words.moves) + ",\"histogram\":[";
  for (std::size_t i = 0; i < words.histogram.size(); ++i) {
    json += (i ? ",{" : "{") + std::string("\"lengths\":") + Quoted(words.histogram[i].lengths) +
            ",\"share\":" + Quoted(words.histogram[i].share) + "}";
  }
  return json + "]}}";
}

}  // namespace duelmark
