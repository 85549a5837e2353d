#include "OddsText.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "ExactDecimal.h"
#include "Int16.h"

namespace duelmark {
namespace {

constexpr int kLongestBar = 40;

// A number with the given places after ".", whatever the locale: JSON and the text alike.
std::string Fixed(double value, int places) { return rt::RoundedDecimal(value, places); }

std::string Percent(double share, int places = 2) { return Fixed(100 * share, places) + " %"; }

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

std::string StatisticsOf(const Settings& settings, Side side) {
  std::string text;
  for (const Statistic& statistic : kStatistics) {
    if (statistic.side != side) continue;
    text += (text.empty() ? "" : ", ") + std::string(statistic.name) + " " + rt::ToText(Value(settings, statistic));
  }
  return text;
}

std::string Quoted(const std::string& text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
}

}  // namespace

OddsWords WordsOf(const Settings& settings, const Odds::Figures& figures) {
  OddsWords words;
  words.setting = "The Hero (" + StatisticsOf(settings, Side::Hero) + ") against " + rt::ToText(settings.NumEnemies) +
                  (settings.NumEnemies == 1 ? " Enemy (" : " Enemies (") + StatisticsOf(settings, Side::Enemy) +
                  "), " + std::to_string(figures.battles) + " battles, seed " + std::to_string(figures.seed) + ":";
  words.wins = "The Hero wins " + Percent(figures.heroWinRate) + " of the battles (95 % interval " +
               Percent(figures.heroWinRateLow, 3) + " to " + Percent(figures.heroWinRateHigh, 3) + ").";
  words.moves = "Moves per battle: mean " + Fixed(figures.movesMean, 2) + ", median " +
                std::to_string(figures.movesMedian) + ", 90th percentile " + std::to_string(figures.movesP90) + ".";
  std::uint64_t most = 1;
  for (const Odds::LengthRange& range : figures.histogram) most = std::max(most, range.battles);
  for (const Odds::LengthRange& range : figures.histogram) {
    const double share =
        figures.battles == 0 ? 0.0 : static_cast<double>(range.battles) / static_cast<double>(figures.battles);
    const auto bar = static_cast<std::size_t>(
        std::llround(kLongestBar * static_cast<double>(range.battles) / static_cast<double>(most)));
    words.histogram.push_back({Lengths(range), Percent(share), bar});
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

std::string OddsJson(const Settings& settings, const Odds::Figures& figures) {
  std::string json =
      "{\"battles\":" + std::to_string(figures.battles) + ",\"heroWins\":" + std::to_string(figures.heroWins) +
      ",\"enemyWins\":" + std::to_string(figures.enemyWins) + ",\"heroWinRate\":" + Fixed(figures.heroWinRate, 6) +
      ",\"heroWinRateLow\":" + Fixed(figures.heroWinRateLow, 6) +
      ",\"heroWinRateHigh\":" + Fixed(figures.heroWinRateHigh, 6) + ",\"movesMean\":" + Fixed(figures.movesMean, 4) +
      ",\"movesMedian\":" + std::to_string(figures.movesMedian) + ",\"movesP90\":" + std::to_string(figures.movesP90) +
      ",\"seed\":" + std::to_string(figures.seed) + ",\"histogram\":[";
  for (std::size_t i = 0; i < figures.histogram.size(); ++i) {
    const Odds::LengthRange& range = figures.histogram[i];
    json += (i ? ",{" : "{") + std::string("\"fromMoves\":") + std::to_string(range.fromMoves) +
            ",\"toMoves\":" + std::to_string(range.toMoves) + ",\"open\":" + (range.open ? "true" : "false") +
            ",\"battles\":" + std::to_string(range.battles) + "}";
  }
  json += "],\"settings\":{\"" + std::string(kEnemyCount.optionName) + "\":" + rt::ToText(settings.NumEnemies);
  for (const Statistic& statistic : kStatistics)
    json += ",\"" + OptionName(statistic) + "\":" + rt::ToText(Value(settings, statistic));
  return json + "}}";
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
