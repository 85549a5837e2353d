#include <algorithm>
#include <atomic>
#include <functional>
#include <stdexcept>
#include <thread>

#include "Odds.h"

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

}  // namespace duelmark::Odds
