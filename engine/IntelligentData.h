#pragma once
// What the Hero's decision remembers between moves.
#include "BattleState.h"

namespace duelmark::IntelligentData {

// Keeps the largest hit any Enemy has dealt in MaxEnemyDamage.
void NoteEnemyDamage(Int16 amount);

// BestEstimate becomes the larger of AttackEstimate and MagicEstimate.
void UpdateBestEstimate();

}  // namespace duelmark::IntelligentData
