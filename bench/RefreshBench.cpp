// How long one redraw of the battlefield takes on the runtime's core.
#include <benchmark/benchmark.h>

#include "Battle.h"
#include "BattleState.h"
#include "FrmBattle.h"
#include "Random.h"
#include "Runtime.h"

namespace {

void BM_RefreshBattlefield(benchmark::State& state) {
  using namespace duelmark;
  rt::Runtime runtime(std::make_unique<rt::VirtualClock>(), std::make_unique<rt::ClockSeededRandom>([] { return 1u; }));
  rt::program = &runtime;
  ResetBattleState();
  State.NumEnemies = 5;
  for (int i = 1; i <= 5; ++i) State.Enemies(i) = {.Health = 20, .MaxHealth = 20, .Alive = rt::kTrue};
  frmBattle();
  for (auto _ : state) {
    State.Turn = static_cast<rt::Int16>((State.Turn + 1) % 6);
    Battle::RefreshBattlefield();
  }
  rt::program = nullptr;
}
BENCHMARK(BM_RefreshBattlefield);

}  // namespace
