#include "OddsText.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace duelmark {
namespace {

constexpr int kLongestBar = 40;

// A number with the given places after ".", whatever the locale: JSON and the text alike.
std::string Fixed(double value, int places) {
  const double scale = std::pow(10.0, places);
  const auto scaled = static_cast<std::int64_t>(std::llround(std::abs(value) * scale));
  const auto whole = static_cast<std::int64_t>(scale);
  std::string text = (value < 0 && scaled != 0 ? "-" : "") + std::to_string(scaled / whole);
  if (places == 0) return text;
  const std::string fraction = std::to_string(scaled % whole);
  return text + "." + std::string(static_cast<std::size_t>(places) - fraction.size(), '0') + fraction;
}

std::string Percent(double share, int places = 2) { return Fixed(100 * share, places) + " %"; }

std::string Range(const Odds::LengthRange& range) {
  if (range.open) return std::to_string(range.fromMoves) + "+";
  if (range.fromMoves == range.toMoves) return std::to_string(range.fromMoves);
  return std::to_string(range.fromMoves) + "-" + std::to_string(range.toMoves);
}

std::string Padded(std::string text, std::size_t width, bool right) {
  if (text.size() >= width) return text;
  const std::string blanks(width - text.size(), ' ');
  return right ? blanks + text : text + blanks;
}

std::string StatisticsOf(const Setting& setting, Side side) {
  std::string text;
  for (std::size_t i = 0; i < kStatistics.size(); ++i) {
    if (kStatistics[i].side != side) continue;
    text += (text.empty() ? "" : ", ") + std::string(kStatistics[i].name) + " " + rt::ToText(setting.values[i]);
  }
  return text;
}

}  // namespace

std::string OddsText(const Setting& setting, const Odds::Figures& figures) {
  const auto share = [&](std::uint64_t battles) {
    return figures.battles == 0 ? 0.0 : static_cast<double>(battles) / static_cast<double>(figures.battles);
  };
  std::string text = "The Hero (" + StatisticsOf(setting, Side::Hero) + ") against " + rt::ToText(setting.enemies) +
                     (setting.enemies == 1 ? " Enemy (" : " Enemies (") + StatisticsOf(setting, Side::Enemy) + "), " +
                     std::to_string(figures.battles) + " battles, seed " + std::to_string(figures.seed) + ":\n";
  text += "The Hero wins " + Percent(figures.heroWinRate) + " of the battles (95 % interval " +
          Percent(figures.heroWinRateLow, 3) + " to " + Percent(figures.heroWinRateHigh, 3) + ").\n";
  text += "Moves per battle: mean " + Fixed(figures.movesMean, 2) + ", median " + std::to_string(figures.movesMedian) +
          ", 90th percentile " + std::to_string(figures.movesP90) + ".\n\nMoves   Battles\n";
  std::uint64_t most = 1;
  for (const Odds::LengthRange& range : figures.histogram) most = std::max(most, range.battles);
  for (const Odds::LengthRange& range : figures.histogram) {
    const auto bar = static_cast<std::size_t>(
        std::llround(kLongestBar * static_cast<double>(range.battles) / static_cast<double>(most)));
    text += Padded(Range(range), 7, false) + Padded(Percent(share(range.battles)), 9, true) + "  " +
            std::string(bar, '#') + "\n";
  }
  return text;
}

std::string OddsJson(const Setting& setting, const Odds::Figures& figures) {
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
  json += "],\"settings\":{\"enemies\":" + rt::ToText(setting.enemies);
  for (std::size_t i = 0; i < kStatistics.size(); ++i)
    json += ",\"" + OptionName(kStatistics[i]) + "\":" + rt::ToText(setting.values[i]);
  return json + "}}";
}

}  // namespace duelmark
