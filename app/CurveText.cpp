#include "CurveText.h"

#include "Int16.h"
#include "OddsText.h"

namespace duelmark {
namespace {

std::string RightAligned(std::string text, std::size_t width) {
  return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

}  // namespace

std::size_t LeftOut(const Odds::Varied& varied) { return varied.statistic.value_or(kStatistics.size()); }

std::string CrossingWords(const Curve& curve, const Odds::Crossing& crossing) {
  std::string words = Odds::SpokenName(curve.varied) + " " + rt::ToText(crossing.from) + " gives " +
                      Percent(crossing.fromRate) + ", " + rt::ToText(crossing.to) + " gives " +
                      Percent(crossing.toRate);
  if (crossing.sure) words += " (sampled: " + Fixed(100 * *crossing.sure, 0) + " % sure that it crosses here)";
  return words + ".";
}

std::vector<std::string> TargetWords(const Curve& curve) {
  std::vector<std::string> lines;
  if (!curve.target) return lines;
  const std::string target = Percent(*curve.target);
  const auto crossings = Odds::Crossings(curve.points, *curve.target);
  if (crossings.empty()) {
    lines.push_back("The Hero's chance does not cross " + target + " between " + rt::ToText(curve.varied.from) +
                    " and " + rt::ToText(curve.points.back().value) + ".");
  }
  for (const Odds::Crossing& crossing : crossings)
    lines.push_back("The Hero's chance crosses " + target + ": " + CrossingWords(curve, crossing));
  return lines;
}

std::string CurveText(const Curve& curve) {
  const std::string name = Odds::SpokenName(curve.varied);
  std::string text = SettingWords(curve.settings, LeftOut(curve.varied)) + ", as " + name + " goes from " +
                     rt::ToText(curve.varied.from) + " to " + rt::ToText(curve.points.back().value) +
                     (curve.varied.step == 1 ? "" : " by " + rt::ToText(curve.varied.step)) + ":\n";
  const std::size_t width = std::max<std::size_t>(name.size(), 6);
  std::string intervalHeading = "95 % interval";
  intervalHeading.resize(24, ' ');
  text += RightAligned(name, width) + RightAligned("Hero wins", 11) + "  " + intervalHeading +
          RightAligned("Moves", 7) + "\n";
  for (const Odds::Point& point : curve.points) {
    const Odds::Figures& figures = point.figures;
    std::string interval = IsExact(figures) ? "exactly" : IntervalWords(figures);
    interval.resize(std::max<std::size_t>(interval.size(), 24), ' ');
    text += RightAligned(rt::ToText(point.value), width) + RightAligned(Percent(figures.heroWinRate), 11) + "  " +
            interval + RightAligned(Fixed(figures.movesMean, 2), 7) + "\n";
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
  std::string csv = "value,method,heroWinRate,heroWinRateLow,heroWinRateHigh,movesMean\r\n";
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
