// How long a whole battle takes to run headless in virtual time, from Start to the report.
#include <benchmark/benchmark.h>

#include "BattleState.h"
#include "FrmBattle.h"
#include "FrmEnd.h"
#include "Random.h"
#include "Runtime.h"
#include "VirtualTime.h"

namespace {

using namespace duelmark;

void BM_WholeBattle(benchmark::State& state) {
  std::uint64_t seed = 0;
  for (auto _ : state) {
    auto clock = std::make_unique<rt::VirtualClock>();
    rt::VirtualClock& time = *clock;
    rt::Runtime runtime(std::move(clock), std::make_unique<rt::ClockSeededRandom>([&seed] { return ++seed; }));
    rt::program = &runtime;
    ResetBattleState();
    State.NumEnemies = static_cast<Int16>(state.range(0));
    State.Hero = {
        .Health = 100, .MaxHealth = 100, .Attack = 15, .Defence = 10, .Magic = 20, .MagicDef = 10, .Alive = rt::kTrue};
    for (int i = 1; i <= State.NumEnemies; ++i) {
      State.Enemies(i) = {
          .Health = 20, .MaxHealth = 20, .Attack = 15, .Suicide = 30, .Defence = 5, .MagicDef = 10, .Alive = rt::kTrue};
    }
    frmBattle().Show();
    runtime.Click(frmBattle().cmdStart);
    rt::AdvanceBy(runtime, time, rt::Milliseconds(3'600'000));
    benchmark::DoNotOptimize(frmEnd().lblTotal.Caption());
  }
  rt::program = nullptr;
}
BENCHMARK(BM_WholeBattle)->Arg(1)->Arg(3)->Arg(5);

}  // namespace
