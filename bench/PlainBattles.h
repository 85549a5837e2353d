#pragma once
// The battle's rules once more, as one tight loop over plain integers: no battle value, no
// stage, no virtual call, no checked table. It is the floor the engine's battles are measured
// against, so it must fight exactly the engine's battles, draw for draw; the benchmark program
// proves that at its start.
#include <cstdint>

#include "Odds.h"
#include "Settings.h"

namespace duelmark::bench {

// The first `count` battles of a block of a seeded run, as Odds::FightBlock fights them.
Odds::Tally FightPlainBlock(const Settings& settings, std::uint64_t seed, std::uint64_t block, std::uint64_t count);

// Ends the program with a message unless the loop and the engine tally the same battles alike
// for a few settings and seeds.
void RequirePlainBattlesMatchEngine();

}  // namespace duelmark::bench
