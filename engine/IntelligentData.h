#pragma once
// What the Hero's decision remembers between moves.
#include "BattleState.h"

namespace duelmark::IntelligentData {

// Keeps the largest hit any Enemy has dealt in MaxEnemyDamage.
void NoteEnemyDamage(BattleState& state, Int16 amount);
// BestEstimate becomes the larger of AttackEstimate and MagicEstimate.
void UpdateBestEstimate(BattleState& state);
// FactorialValue becomes n! (1 for n < 1), which it also answers, held at 32767 beyond it.
Int16 Factorial(BattleState& state, Int16 n);

}  // namespace duelmark::IntelligentData
