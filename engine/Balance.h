#pragma once
// Balance: the odds of a setting worked out exactly where the battle's states are few enough,
// sampled otherwise; the curve of the odds as one statistic varies; and the values between
// which the Hero's chance crosses a target, where a fight turns fair.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Odds.h"

namespace duelmark::Odds {

// How the odds are worked out: exactly when the battle reaches at most maxStates states and
// sampling is not asked for; else from `battles` battles of the seed, on `jobs` threads.
struct Way {
  std::size_t maxStates = 200'000;
  bool sample = false;
  std::uint64_t battles = 100'000;
  std::uint64_t seed = 0;
  unsigned jobs = 1;
};

// (Natively, where threads are.)
Figures WorkOut(const Settings& settings, const Way& way);

// One statistic of the table, or the number of Enemies (none), from `from` to `to` by `step`.
struct Varied {
  std::optional<std::size_t> statistic;
  Int16 from = 0;
  Int16 to = 0;
  Int16 step = 1;
};

std::string OptionName(const Varied& varied);  // "hero-health", "enemies"
std::string SpokenName(const Varied& varied);  // "Hero Health", "Number of Enemies"
Int16 Lowest(const Varied& varied);            // the bounds the value may take
Int16 Highest(const Varied& varied);
// The settings with the varied value set to `value`.
Settings With(Settings settings, const Varied& varied, Int16 value);
// The values from `from` to `to` by `step`; `to` is among them only where a step lands on it.
std::vector<Int16> Values(const Varied& varied);

struct Point {
  Int16 value;
  Figures figures;
};

// Each value's odds, the points shared out among `way.jobs` threads, each sampled point fought
// on one.
std::vector<Point> Curve(const Settings& settings, const Varied& varied, const Way& way);

// Two neighbouring values between which the Hero's chance crosses the target. Where either was
// sampled, `sure` is how likely it is that the chances truly lie on either side of the target.
struct Crossing {
  Int16 from;
  Int16 to;
  double fromRate;
  double toRate;
  std::optional<double> sure;
};

std::vector<Crossing> Crossings(const std::vector<Point>& points, double target);

}  // namespace duelmark::Odds
