#include "CurveText.h"

#include <algorithm>

#include "Int16.h"
#include "OddsText.h"
#include "Texts.h"

namespace duelmark {

std::size_t LeftOut(const Odds::Varied& varied) { return varied.statistic.value_or(kStatistics.size()); }

std::vector<std::string> TargetWords(const Curve& curve) {
  std::vector<std::string> lines;
  if (!curve.target) return lines;
  const std::string target = Percent(*curve.target);
  const std::string name = Odds::SpokenName(curve.varied);
  const auto crossings = Odds::Crossings(curve.points, *curve.target);
  if (crossings.empty()) {
    lines.push_back(rt::Format(
        // TRANSLATORS: after a curve's table, when no two values lie on either side of the target
        // (--target); {target} is a percentage, {from} and {to} the first and last values.
        rt::Tr("The Hero's chance does not cross {target} between {from} and {to}."),
        {{"target", target}, {"from", rt::ToText(curve.varied.from)}, {"to", rt::ToText(curve.points.back().value)}}));
  }
  for (const Odds::Crossing& crossing : crossings) {
    const std::string text =
        !crossing.sure
            // TRANSLATORS: after a curve's table: two neighbouring values of the statistic
            // {statistic} ("Hero Health") between which the Hero's chance crosses {target}, and
            // the chance at each.
            ? rt::Tr("The Hero's chance crosses {target}: {statistic} {from} gives {fromShare}, {to} gives {toShare}.")
            : rt::Tr(
                  // TRANSLATORS: as the text above, where the chances were sampled: {sure} is how
                  // sure the samples make it that the chance crosses between the two values, as
                  // "97 %".
                  "The Hero's chance crosses {target}: {statistic} {from} gives {fromShare}, "
                  "{to} gives {toShare} (sampled: {sure} sure that it crosses here).");
    lines.push_back(rt::Format(text, {{"target", target},
                                      {"statistic", name},
                                      {"from", rt::ToText(crossing.from)},
                                      {"fromShare", Percent(crossing.fromRate)},
                                      {"to", rt::ToText(crossing.to)},
                                      {"toShare", Percent(crossing.toRate)},
                                      {"sure", crossing.sure ? Percent(*crossing.sure, 0) : ""}}));
  }
  return lines;
}

std::string CurveText(const Curve& curve) {
  const std::string name = Odds::SpokenName(curve.varied);
  const std::string setting = SettingWords(curve.settings, LeftOut(curve.varied));
  const std::string from = rt::ToText(curve.varied.from), to = rt::ToText(curve.points.back().value);
  std::string text = curve.varied.step == 1
                         // TRANSLATORS: the heading of a curve's table: {setting} is the setting without the
                         // varied statistic, as "The Hero (Attack 15, ...) against 2 Enemies (...)";
                         // {statistic} is the varied one, as "Hero Health".
                         ? rt::Format(rt::Tr("{setting}, as {statistic} goes from {from} to {to}:"),
                                      {{"setting", setting}, {"statistic", name}, {"from", from}, {"to", to}})
                         // TRANSLATORS: as the text above, where the statistic goes up by {step} at a time.
                         : rt::Format(rt::Tr("{setting}, as {statistic} goes from {from} to {to} by {step}:"),
                                      {{"setting", setting},
                                       {"statistic", name},
                                       {"from", from},
                                       {"to", to},
                                       {"step", rt::ToText(curve.varied.step)}});
  text += "\n";
  // The columns: the value, as wide as the statistic's name; then the Hero's chance, its interval
  // and the moves, each at least as wide as in English and two blanks wider than its heading.
  // TRANSLATORS: a heading of the curve's table, over the Hero's share of wins.
  const std::string wins = rt::Tr("Hero wins");
  // TRANSLATORS: a heading of the curve's table, over where the Hero's true share of wins lies,
  // 95 times in 100.
  const std::string interval = rt::Tr("95 % interval");
  // TRANSLATORS: a heading of the curve's table, over the mean number of moves a battle lasts.
  const std::string moves = rt::Tr("Moves");
  const std::size_t nameWidth = std::max<std::size_t>(rt::Columns(name), 6);
  const std::size_t winsWidth = std::max<std::size_t>(rt::Columns(wins) + 2, 11);
  const std::size_t intervalWidth = std::max<std::size_t>(rt::Columns(interval) + 2, 24);
  const std::size_t movesWidth = std::max<std::size_t>(rt::Columns(moves) + 2, 7);
  text += Padded(name, nameWidth, true) + Padded(wins, winsWidth, true) + "  " +
          Padded(interval, intervalWidth, false) + Padded(moves, movesWidth, true) + "\n";
  for (const Odds::Point& point : curve.points) {
    const Odds::Figures& figures = point.figures;
    // TRANSLATORS: in the curve's interval column, for a value whose odds were worked out exactly.
    const std::string range = IsExact(figures) ? rt::Tr("exactly") : IntervalWords(figures);
    text += Padded(rt::ToText(point.value), nameWidth, true) + Padded(Percent(figures.heroWinRate), winsWidth, true) +
            "  " + Padded(range, intervalWidth, false) + Padded(Fixed(figures.movesMean, 2), movesWidth, true) + "\n";
  }
  for (const std::string& line : TargetWords(curve)) text += line + "\n";
  return text;
}

std::string CurveJson(const Curve& curve) {
  std::string json = "{\"vary\":{\"statistic\":" + Quoted(Odds::OptionName(curve.varied)) +
                     ",\"from\":" + rt::ToText(curve.varied.from) + ",\"to\":" + rt::ToText(curve.varied.to) +
                     ",\"step\":" + rt::ToText(curve.varied.step) + "},\"points\":[";
  for (std::size_t i = 0; i < curve.points.size(); ++i)
    json += (i ? ",{" : "{") + std::string("\"value\":") + rt::ToText(curve.points[i].value) + "," +
            RateJson(curve.points[i].figures) + "}";
  json += "],\"settings\":" + SettingsJson(curve.settings);
  if (curve.target) {
    json += ",\"target\":" + Fixed(*curve.target, 6) + ",\"crossings\":[";
    const auto crossings = Odds::Crossings(curve.points, *curve.target);
    for (std::size_t i = 0; i < crossings.size(); ++i) {
      const Odds::Crossing& c = crossings[i];
      json += (i ? ",{" : "{") + std::string("\"from\":") + rt::ToText(c.from) + ",\"to\":" + rt::ToText(c.to) +
              ",\"fromRate\":" + Fixed(c.fromRate, 10) + ",\"toRate\":" + Fixed(c.toRate, 10);
      if (c.sure) json += ",\"sure\":" + Fixed(*c.sure, 4);
      json += "}";
    }
    json += "]";
  }
  return json + "}";
}

std::string CurveCsv(const Curve& curve) {
  // TRANSLATORS: the header row of the curve's CSV (--csv): the six columns' names, separated by
  // commas, each without a comma or a quote. Below them each row has the value, "exact" or
  // "sampled", the Hero's share of wins (from 0 to 1), its 95 % interval's low and high ends,
  // and the mean number of moves.
  std::string csv = rt::Tr("value,method,heroWinRate,heroWinRateLow,heroWinRateHigh,movesMean") + "\r\n";
  for (const Odds::Point& point : curve.points) {
    const Odds::Figures& f = point.figures;
    const int places = IsExact(f) ? 10 : 6;
    csv += rt::ToText(point.value) + "," + (IsExact(f) ? "exact," : "sampled,") + Fixed(f.heroWinRate, places) + "," +
           Fixed(f.heroWinRateLow, places) + "," + Fixed(f.heroWinRateHigh, places) + "," +
           Fixed(f.movesMean, IsExact(f) ? 9 : 4) + "\r\n";
  }
  return csv;
}

}  // namespace duelmark
