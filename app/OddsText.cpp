#include "OddsText.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "ExactDecimal.h"
#include "Int16.h"
#include "Texts.h"

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

// Shares to the places that the method's precision warrants.
int SharePlaces(const Odds::Figures& figures) { return IsExact(figures) ? 10 : 6; }

}  // namespace

std::string Padded(std::string text, std::size_t columns, bool right) {
  const std::size_t taken = rt::Columns(text);
  if (taken >= columns) return text;
  const std::string blanks(columns - taken, ' ');
  return right ? blanks + text : text + blanks;
}

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
  const std::string setting = SettingWords(settings);
  if (IsExact(figures)) {
    words.setting = rt::Format(
        // TRANSLATORS: the odds' first line: {setting} is the setting, as "The Hero (Health 100,
        // ...) against 2 Enemies (Health 20, ...)"; {states} counts the battle's states (English
        // says "states" for 1 too).
        rt::TrN("{setting}, worked out exactly over {states} states:",
                "{setting}, worked out exactly over {states} states:", static_cast<std::int64_t>(figures.states)),
        {{"setting", setting}, {"states", std::to_string(figures.states)}});
    // TRANSLATORS: {share} is a percentage, as "91.85 %".
    words.wins = rt::Format(rt::Tr("The Hero wins {share} of the battles."), {{"share", Percent(figures.heroWinRate)}});
  } else {
    words.setting = rt::Format(
        // TRANSLATORS: the odds' first line: {setting} is the setting, as "The Hero (Health 100,
        // ...) against 2 Enemies (Health 20, ...)"; {battles} counts the battles fought (English
        // says "battles" for 1 too), and {seed} is the number they were drawn from.
        rt::TrN("{setting}, from {battles} battles, seed {seed}:", "{setting}, from {battles} battles, seed {seed}:",
                static_cast<std::int64_t>(figures.battles)),
        {{"setting", setting}, {"battles", std::to_string(figures.battles)}, {"seed", std::to_string(figures.seed)}});
    // TRANSLATORS: {share} is a percentage, as "91.85 %"; {low} and {high} bound where the true
    // share lies, 95 times in 100.
    words.wins = rt::Format(rt::Tr("The Hero wins {share} of the battles (95 % interval {low} to {high})."),
                            {{"share", Percent(figures.heroWinRate)},
                             {"low", Percent(figures.heroWinRateLow, 3)},
                             {"high", Percent(figures.heroWinRateHigh, 3)}});
  }
  // TRANSLATORS: how many moves a battle lasts: the mean, the median and the 90th percentile.
  words.moves = rt::Format(rt::Tr("Moves per battle: mean {mean}, median {median}, 90th percentile {p90}."),
                           {{"mean", Fixed(figures.movesMean, 2)},
                            {"median", std::to_string(figures.movesMedian)},
                            {"p90", std::to_string(figures.movesP90)}});
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
  // TRANSLATORS: the heading of the table of the battles' lengths. Below it each row has the
  // moves in columns 1 to 7 and the share of the battles right-aligned in columns 8 to 16: the
  // blanks set the two words over them.
  std::string text = words.setting + "\n" + words.wins + "\n" + words.moves + "\n\n" + rt::Tr("Moves   Battles") + "\n";
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
      text += (text.empty() ? "" : ", ") +
              // TRANSLATORS: a statistic and its value in the setting the odds are for: "Health 100".
              rt::Format(rt::Tr("{statistic} {value}"),
                         {{"statistic", rt::Tr(statistic.name)}, {"value", rt::ToText(Value(settings, statistic))}});
    }
    return text;
  };
  const std::string hero = statistics(Side::Hero), enemy = statistics(Side::Enemy);
  if (left && *left == kStatistics.size()) {
    // TRANSLATORS: the setting of a curve over the number of Enemies; {hero} and {enemy} list each
    // side's statistics, as "Health 100, Attack 15".
    return rt::Format(rt::Tr("The Hero ({hero}) against Enemies ({enemy})"), {{"hero", hero}, {"enemy", enemy}});
  }
  // TRANSLATORS: the setting the odds are for; {hero} and {enemy} list each side's statistics,
  // as "Health 100, Attack 15", and {count} is the number of Enemies.
  return rt::Format(rt::TrN("The Hero ({hero}) against {count} Enemy ({enemy})",
                            "The Hero ({hero}) against {count} Enemies ({enemy})", settings.NumEnemies),
                    {{"hero", hero}, {"count", rt::ToText(settings.NumEnemies)}, {"enemy", enemy}});
}

std::string IntervalWords(const Odds::Figures& figures) {
  // TRANSLATORS: where the Hero's true share of wins lies, 95 times in 100: "91.679 % to 92.018 %".
  return rt::Format(rt::Tr("{low} to {high}"),
                    {{"low", Percent(figures.heroWinRateLow, 3)}, {"high", Percent(figures.heroWinRateHigh, 3)}});
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
