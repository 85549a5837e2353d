// How long one redraw of the battlefield takes on the runtime's core.
#include <benchmark/benchmark.h>

#include <memory>

#include "Battle.h"
#include "FrmBattle.h"
#include "Random.h"
#include "Runtime.h"
#include "Settings.h"

namespace {

void BM_RefreshBattlefield(benchmark::State& state) {
  using namespace duelmark;
  rt::Runtime runtime(std::make_unique<rt::VirtualClock>(), std::make_unique<rt::ClockSeededRandom>([] { return 1u; }));
  rt::program = &runtime;
  // Five Enemies, all standing: every row of the health table is drawn.
  Settings settings = DefaultSettings();
  settings.NumEnemies = 5;
  Battle& battle = frmBattle(settings).Fight();
  for (auto _ : state) {
    battle.State.Turn = static_cast<rt::Int16>((battle.State.Turn + 1) % 6);
    battle.RefreshBattlefield();
  }
  rt::program = nullptr;
}
BENCHMARK(BM_RefreshBattlefield);

}  // namespace
