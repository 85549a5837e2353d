// How fast the odds fight: battles per second with the default statistics against 1 and 5
// Enemies, by the engine and by the plain loop of the same rules, on one core and on every
// core; and the cost of one draw, which with the moves per battle bounds the rate.
#include <benchmark/benchmark.h>

#include "Odds.h"
#include "PlainBattles.h"
#include "Random.h"
#include "Settings.h"

namespace {

using namespace duelmark;

Settings Against(std::int64_t enemies) {
  Settings settings = DefaultSettings();
  settings.NumEnemies = static_cast<Int16>(enemies);
  return settings;
}

// A battle at a time, as a page's slices fight them.
void BM_OddsBattles(benchmark::State& state) {
  Odds::Run run(Against(state.range(0)), ~0ull, 1);
  for (auto _ : state) run.Fight(1);
  const Odds::Figures figures = run.Summary();
  state.counters["battles"] = benchmark::Counter(static_cast<double>(figures.battles), benchmark::Counter::kIsRate);
  state.counters["moves"] =
      benchmark::Counter(figures.movesMean * static_cast<double>(figures.battles), benchmark::Counter::kIsRate);
  state.counters["movesPerBattle"] = figures.movesMean;
}
BENCHMARK(BM_OddsBattles)->ArgName("enemies")->Arg(1)->Arg(5);

// Whole blocks on one core, by the given fighter of a block: the engine's or the plain loop.
template <Odds::Tally (*FightBlock)(const Settings&, std::uint64_t, std::uint64_t, std::uint64_t)>
void BlocksOnOneCore(benchmark::State& state) {
  const Settings settings = Against(state.range(0));
  std::uint64_t block = 0;
  Odds::Tally tally;
  for (auto _ : state) tally.Add(FightBlock(settings, 1, block++, Odds::kBlockBattles));
  double moves = 0;
  for (std::size_t length = 0; length < tally.battlesOfLength.size(); ++length)
    moves += static_cast<double>(length) * static_cast<double>(tally.battlesOfLength[length]);
  state.counters["battles"] = benchmark::Counter(static_cast<double>(tally.battles), benchmark::Counter::kIsRate);
  state.counters["movesPerBattle"] = moves / static_cast<double>(tally.battles);
}

void BM_OddsEngineBlocks(benchmark::State& state) { BlocksOnOneCore<Odds::FightBlock>(state); }
BENCHMARK(BM_OddsEngineBlocks)->ArgName("enemies")->Arg(5)->Arg(1);

void BM_OddsPlainLoopBlocks(benchmark::State& state) { BlocksOnOneCore<bench::FightPlainBlock>(state); }
BENCHMARK(BM_OddsPlainLoopBlocks)->ArgName("enemies")->Arg(5)->Arg(1);

// A whole run of 2,000,000 battles on `jobs` threads, timed by the wall clock.
void BM_OddsOnCores(benchmark::State& state) {
  constexpr std::uint64_t kBattles = 2'000'000;
  const Settings settings = Against(state.range(0));
  const auto jobs = static_cast<unsigned>(state.range(1));
  std::uint64_t seed = 1;
  for (auto _ : state) benchmark::DoNotOptimize(Odds::FightOnCores(settings, kBattles, seed++, jobs));
  state.counters["battles"] =
      benchmark::Counter(static_cast<double>(kBattles * state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_OddsOnCores)
    ->ArgNames({"enemies", "jobs"})
    ->Args({5, 1})
    ->Args({5, 2})
    ->Args({1, 1})
    ->Args({1, 2})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// A draw as the choosers make it: a re-seed, then the value.
void BM_OneDraw(benchmark::State& state) {
  std::uint64_t ticks = 1;
  rt::ClockSeededRandom dice([&ticks] { return ticks += 0x9E3779B97F4A7C15ull; });
  for (auto _ : state) benchmark::DoNotOptimize(dice.ReseedAndNext());
}
BENCHMARK(BM_OneDraw);

}  // namespace
