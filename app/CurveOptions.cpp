#include "CurveOptions.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace duelmark {
namespace {

// A whole number that fills the text, or none.
std::optional<long> Whole(std::string_view text) {
  long value = 0;
  const char* end = text.data() + text.size();
  const auto [at, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || at != end || text.empty()) return std::nullopt;
  return value;
}

std::string Names() {
  std::string names = std::string(kEnemyCount.optionName);
  for (const Statistic& statistic : kStatistics) names += ", " + OptionName(statistic);
  return names;
}

}  // namespace

std::variant<Odds::Varied, std::string> ReadVaried(std::string_view text) {
  const std::string form = "--vary takes STATISTIC=FROM..TO or STATISTIC=FROM..TO:STEP, as hero-health=20..200:5";
  const auto equals = text.find('=');
  const auto dots = text.find("..");
  if (equals == std::string_view::npos || dots == std::string_view::npos || dots < equals) return form + ".";
  const std::string_view name = text.substr(0, equals);
  Odds::Varied varied;
  if (name != kEnemyCount.optionName) {
    std::size_t i = 0;
    while (i < kStatistics.size() && OptionName(kStatistics[i]) != name) ++i;
    if (i == kStatistics.size())
      return "--vary names no statistic \"" + std::string(name) + "\"; it takes one of " + Names() + ".";
    varied.statistic = i;
  }
  const std::string_view range = text.substr(dots + 2);
  const auto colon = range.find(':');
  const auto from = Whole(text.substr(equals + 1, dots - equals - 1));
  const auto to = Whole(range.substr(0, colon));
  const auto step = colon == std::string_view::npos ? std::optional<long>(1) : Whole(range.substr(colon + 1));
  if (!from || !to || !step) return form + ".";
  const long lowest = Odds::Lowest(varied), highest = Odds::Highest(varied);
  if (*from < lowest || *to > highest || *from > *to)
    return "--vary's range must go up from " + std::to_string(lowest) + " to " + std::to_string(highest) + ".";
  const long longestStep = std::min<long>(highest - lowest, kHighestStatistic);
  if (*step < 1 || *step > longestStep)
    return "--vary's step must be a whole number from 1 to " + std::to_string(longestStep) + ".";
  if (static_cast<std::size_t>((*to - *from) / *step + 1) > kMostCurvePoints)
    return "--vary gives at most " + std::to_string(kMostCurvePoints) + " values; take a larger step.";
  varied.from = static_cast<Int16>(*from);
  varied.to = static_cast<Int16>(*to);
  varied.step = static_cast<Int16>(*step);
  return varied;
}

std::variant<double, std::string> ReadTarget(std::string_view text) {
  double percent = 0;
  const char* end = text.data() + text.size();
  const auto [at, error] = std::from_chars(text.data(), end, percent);
  if (error != std::errc() || at != end || text.empty() || !std::isfinite(percent) || percent < 0 || percent > 100)
    return std::string("--target must be a percentage from 0 to 100, as 50 or 62.5.");
  return percent / 100;
}

}  // namespace duelmark
