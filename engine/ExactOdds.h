#pragma once
// The odds worked out exactly. A battle is a small absorbing chain: every move's effect is
// fixed, and chance only draws an Enemy's move (attack or suicide) and the Hero's target when no
// Enemy is wounded. Every state the battle can reach is visited once, by the battle's own steps,
// and the chance of each length of battle follows from them move by move, cycles and all.
#include <cstddef>
#include <optional>

#include "Odds.h"

namespace duelmark::Odds {

// How far the chances are followed: a battle not over by then has at most this chance left.
inline constexpr double kExactTail = 1e-13;

// The figures, exact to within kExactTail under uniform 24-bit draws, or none when the battle
// can reach more than `maxStates` states.
std::optional<Figures> Exact(const Settings& settings, std::size_t maxStates);

}  // namespace duelmark::Odds
