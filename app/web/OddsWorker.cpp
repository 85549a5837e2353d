// The engine alone, for the page's workers (OddsWorker.js): one function that fights a block of
// the odds' battles and answers its counts. No window, runtime or page is linked in, so the
// WebAssembly stays small and is fetched only when the odds are asked for.
#include <emscripten.h>

#include <cstdint>
#include <vector>

#include "Odds.h"
#include "Settings.h"

namespace {

std::vector<std::uint32_t> counts;

}  // namespace

extern "C" {

// Fights the first `count` battles (at most a block's) of block `block` of the seeded run, the
// setting given as the number of Enemies and then the statistics in the table's order
// (kStatistics). Answers where its counts stand: how many the Hero won, how many lengths
// follow, and then the battles that lasted 0, 1, 2, ... moves.
EMSCRIPTEN_KEEPALIVE const std::uint32_t* duelmark_fight_block(const std::int32_t* numbers, double seed, int block,
                                                               int count) {
  duelmark::Settings settings;
  settings.NumEnemies = static_cast<duelmark::Int16>(numbers[0]);
  for (std::size_t i = 0; i < duelmark::kStatistics.size(); ++i)
    duelmark::SetValue(settings, duelmark::kStatistics[i], static_cast<duelmark::Int16>(numbers[i + 1]));
  const duelmark::Odds::Tally tally = duelmark::Odds::FightBlock(
      settings, static_cast<std::uint64_t>(seed), static_cast<std::uint64_t>(block), static_cast<std::uint64_t>(count));
  counts.assign({static_cast<std::uint32_t>(tally.heroWins), static_cast<std::uint32_t>(tally.battlesOfLength.size())});
  for (const std::uint64_t battles : tally.battlesOfLength) counts.push_back(static_cast<std::uint32_t>(battles));
  return counts.data();
}

// The battles of a block, by which a worker splits the runs of blocks it is handed.
EMSCRIPTEN_KEEPALIVE int duelmark_block_battles() { return static_cast<int>(duelmark::Odds::kBlockBattles); }

// Room for the setting's numbers, which the worker writes before each block.
EMSCRIPTEN_KEEPALIVE std::int32_t* duelmark_setting_numbers() {
  static std::int32_t numbers[1 + duelmark::kStatistics.size()];
  return numbers;
}

}  // extern "C"
