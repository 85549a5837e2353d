#pragma once
// The battle module: the turn cycle, the end-of-battle checks and the redraw of the field.
#include "BattleState.h"

namespace duelmark::Battle {

// Brings the stage up to date with the battle state: Enemy pictures, the turn arrow and
// every hit-point counter, rewritten in full on every call.
void RefreshBattlefield();

// Gives the turn to the next fighter still in the battle and calls its decision.
void NextTurn();

// Retires the Enemy if its hit points are gone, and ends the battle if it was the last.
void CheckEnemyDefeated(Int16 index);
// Ends the battle, won by the Hero, when no Enemy is alive.
void CheckEnemiesDefeated();
// Ends the battle, lost by the Hero, when its hit points are gone.
void CheckHeroDefeated();

}  // namespace duelmark::Battle
