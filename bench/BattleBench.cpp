// How long a whole battle takes to run headless in virtual time, from Start to the report.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "FrmBattle.h"
#include "FrmEnd.h"
#include "Random.h"
#include "Runtime.h"
#include "Settings.h"
#include "VirtualTime.h"

namespace {

using namespace duelmark;

void BM_WholeBattle(benchmark::State& state) {
  Settings settings = DefaultSettings();
  settings.NumEnemies = static_cast<Int16>(state.range(0));
  std::uint64_t seed = 0;
  for (auto _ : state) {
    auto clock = std::make_unique<rt::VirtualClock>();
    rt::VirtualClock& time = *clock;
    rt::Runtime runtime(std::move(clock), std::make_unique<rt::ClockSeededRandom>([&seed] { return ++seed; }));
    rt::program = &runtime;
    frmBattle(settings).Show();
    runtime.Click(frmBattle().cmdStart);
    rt::AdvanceBy(runtime, time, rt::Milliseconds(3'600'000));
    std::string total = frmEnd().lblTotal.Caption();  // DoNotOptimize wants a value it may change
    benchmark::DoNotOptimize(total);
  }
  rt::program = nullptr;
}
BENCHMARK(BM_WholeBattle)->Arg(1)->Arg(3)->Arg(5);

}  // namespace
