#include <algorithm>
#include <atomic>
#include <functional>
#include <stdexcept>
#include <thread>

#include "Balance.h"
#include "ExactOdds.h"

namespace duelmark::Odds {

Tally FightOnCores(const Settings& settings, std::uint64_t battles, std::uint64_t seed, unsigned jobs) {
  if (const auto unfit = Unfit(settings)) throw std::invalid_argument(*unfit);
  const std::uint64_t blocks = (battles + kBlockBattles - 1) / kBlockBattles;
  std::atomic<std::uint64_t> nextBlock = 0;
  std::vector<Tally> tallies(std::max(1u, jobs));
  // Each job takes the next block not yet taken until none is left; the sum of whole blocks
  // does not depend on which job fought which.
  const auto job = [&](Tally& tally) {
    for (std::uint64_t block = nextBlock++; block < blocks; block = nextBlock++)
      tally.Add(FightBlock(settings, seed, block, std::min(kBlockBattles, battles - block * kBlockBattles)));
  };
  {
    std::vector<std::jthread> threads;
    for (std::size_t i = 1; i < tallies.size(); ++i) threads.emplace_back(job, std::ref(tallies[i]));
    job(tallies[0]);
  }
  for (std::size_t i = 1; i < tallies.size(); ++i) tallies[0].Add(tallies[i]);
  return tallies[0];
}

Figures WorkOut(const Settings& settings, const Way& way) {
  if (!way.sample) {
    if (auto exact = Exact(settings, way.maxStates)) return *exact;
  }
  return Summary(FightOnCores(settings, way.battles, way.seed, way.jobs), way.seed);
}

std::vector<Point> Curve(const Settings& settings, const Varied& varied, const Way& way) {
  const std::vector<Int16> values = Values(varied);
  std::vector<Point> points(values.size());
  Way eachPoint = way;
  eachPoint.jobs = 1;
  std::atomic<std::size_t> next = 0;
  const auto job = [&] {
    for (std::size_t i = next++; i < values.size(); i = next++)
      points[i] = {values[i], WorkOut(With(settings, varied, values[i]), eachPoint)};
  };
  {
    std::vector<std::jthread> threads;
    for (unsigned i = 1; i < std::max(1u, way.jobs); ++i) threads.emplace_back(job);
    job();
  }
  return points;
}

}  // namespace duelmark::Odds
