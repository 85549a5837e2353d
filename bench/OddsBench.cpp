// How fast the odds fight: battles per second with the default statistics against 1 and 5
// Enemies, and the cost of one draw, which with the moves per battle bounds the rate.
#include <benchmark/benchmark.h>

#include "Odds.h"
#include "Random.h"
#include "Statistics.h"

namespace {

using namespace duelmark;

void BM_OddsBattles(benchmark::State& state) {
  Odds::Run run(SettingsOf({.enemies = static_cast<Int16>(state.range(0))}), ~0ull, 1);
  for (auto _ : state) run.Fight(1);
  const Odds::Figures figures = run.Summary();
  state.counters["battles"] = benchmark::Counter(static_cast<double>(figures.battles), benchmark::Counter::kIsRate);
  state.counters["moves"] =
      benchmark::Counter(figures.movesMean * static_cast<double>(figures.battles), benchmark::Counter::kIsRate);
  state.counters["movesPerBattle"] = figures.movesMean;
}
BENCHMARK(BM_OddsBattles)->Arg(1)->Arg(5);

// A draw as the choosers make it: a re-seed, then the value.
void BM_OneDraw(benchmark::State& state) {
  std::uint64_t ticks = 1;
  rt::ClockSeededRandom dice([&ticks] { return ticks += 0x9E3779B97F4A7C15ull; });
  for (auto _ : state) {
    dice.Reseed();
    benchmark::DoNotOptimize(dice.Next());
  }
}
BENCHMARK(BM_OneDraw);

}  // namespace
