#include "Balance.h"

#include <cmath>

namespace duelmark::Odds {
namespace {

// The chance that a sampled rate's truth lies below the target, from the normal curve whose
// 95 % interval is the rate's; certain either way for an exact rate.
double ChanceBelow(const Figures& figures, double target) {
  const double spread = (figures.heroWinRateHigh - figures.heroWinRateLow) / (2 * kZ95);
  if (figures.method == Method::Exact || spread <= 0) return figures.heroWinRate < target ? 1.0 : 0.0;
  return 0.5 * std::erfc((figures.heroWinRate - target) / (spread * std::sqrt(2.0)));
}

}  // namespace

std::string OptionName(const Varied& varied) {
  return varied.statistic ? OptionName(kStatistics[*varied.statistic]) : std::string(kEnemyCount.optionName);
}

std::string SpokenName(const Varied& varied) {
  return varied.statistic ? SpokenName(kStatistics[*varied.statistic]) : CountName();
}

Int16 Lowest(const Varied& varied) { return varied.statistic ? kLowestStatistic : kEnemyCount.lowest; }
Int16 Highest(const Varied& varied) { return varied.statistic ? kHighestStatistic : kEnemyCount.highest; }

Settings With(Settings settings, const Varied& varied, Int16 value) {
  if (varied.statistic)
    SetValue(settings, kStatistics[*varied.statistic], value);
  else
    settings.NumEnemies = value;
  return settings;
}

std::vector<Int16> Values(const Varied& varied) {
  std::vector<Int16> values;
  for (int value = varied.from; value <= varied.to; value += varied.step) values.push_back(static_cast<Int16>(value));
  return values;
}

std::vector<Crossing> Crossings(const std::vector<Point>& points, double target) {
  std::vector<Crossing> crossings;
  for (std::size_t i = 1; i < points.size(); ++i) {
    const Figures& a = points[i - 1].figures;
    const Figures& b = points[i].figures;
    if ((a.heroWinRate < target) == (b.heroWinRate < target)) continue;
    Crossing crossing{points[i - 1].value, points[i].value, a.heroWinRate, b.heroWinRate, std::nullopt};
    if (a.method == Method::Sampled || b.method == Method::Sampled) {
      const bool rising = a.heroWinRate < target;
      const double belowA = ChanceBelow(a, target), belowB = ChanceBelow(b, target);
      crossing.sure = rising ? belowA * (1 - belowB) : (1 - belowA) * belowB;
    }
    crossings.push_back(crossing);
  }
  return crossings;
}

}  // namespace duelmark::Odds
