// The benchmarks' entry: before anything is measured, the plain loop must be shown to fight
// the engine's battles, or its rate would be the floor of some other game.
#include <benchmark/benchmark.h>

#include "PlainBattles.h"

int main(int argc, char** argv) {
  duelmark::bench::RequirePlainBattlesMatchEngine();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
