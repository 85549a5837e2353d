#include "CurveOptions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "Texts.h"

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
  const std::string form =
      // TRANSLATORS: a refusal of --vary's value; the option, "hero-health" and the form's
      // punctuation are typed as they stand, STATISTIC, FROM, TO and STEP as in --help.
      rt::Tr("--vary takes STATISTIC=FROM..TO or STATISTIC=FROM..TO:STEP, as hero-health=20..200:5.");
  const auto equals = text.find('=');
  const auto dots = text.find("..");
  if (equals == std::string_view::npos || dots == std::string_view::npos || dots < equals) return form;
  const std::string_view name = text.substr(0, equals);
  Odds::Varied varied;
  if (name != kEnemyCount.optionName) {
    std::size_t i = 0;
    while (i < kStatistics.size() && OptionName(kStatistics[i]) != name) ++i;
    if (i == kStatistics.size())
      // TRANSLATORS: a refusal of --vary's value: {name} is the name as typed, {names} lists
      // the options' names it may take, as "enemies, hero-health, ...".
      return rt::Format(rt::Tr("--vary names no statistic \"{name}\"; it takes one of {names}."),
                        {{"name", name}, {"names", Names()}});
    varied.statistic = i;
  }
  const std::string_view range = text.substr(dots + 2);
  const auto colon = range.find(':');
  const auto from = Whole(text.substr(equals + 1, dots - equals - 1));
  const auto to = Whole(range.substr(0, colon));
  const auto step = colon == std::string_view::npos ? std::optional<long>(1) : Whole(range.substr(colon + 1));
  if (!from || !to || !step) return form;
  const long lowest = Odds::Lowest(varied), highest = Odds::Highest(varied);
  if (*from < lowest || *to > highest || *from > *to)
    return rt::Format(rt::Tr("--vary's range must go up from {lowest} to {highest}."),
                      {{"lowest", std::to_string(lowest)}, {"highest", std::to_string(highest)}});
  const long longestStep = std::min<long>(highest - lowest, kHighestStatistic);
  if (*step < 1 || *step > longestStep)
    return rt::Format(rt::Tr("--vary's step must be a whole number from 1 to {highest}."),
                      {{"highest", std::to_string(longestStep)}});
  if (static_cast<std::size_t>((*to - *from) / *step + 1) > kMostCurvePoints)
    return rt::Format(rt::TrN("--vary gives at most {count} value; take a larger step.",
                              "--vary gives at most {count} values; take a larger step.",
                              static_cast<std::int64_t>(kMostCurvePoints)),
                      {{"count", std::to_string(kMostCurvePoints)}});
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
    return rt::Tr("--target must be a percentage from 0 to 100, as 50 or 62.5.");
  return percent / 100;
}

}  // namespace duelmark
