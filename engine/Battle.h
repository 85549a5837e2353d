#pragma once
// The battle module: the battle's rules as steps that a driver calls. A battle is set up from
// the statistics, begun, opened by the Hero's move; after each move the checks find whether a
// side has fallen, and while none has, NextTurn makes the next move. The battle window's timers
// call these steps and animate what each one reports; the odds call them in a plain loop.
#include <optional>

#include "BattleStage.h"
#include "BattleState.h"

namespace duelmark::Battle {

// What a launch hands to a battle: the Hero's statistics and one Enemy's, which each of the
// NumEnemies Enemies gets. Health is also the maximum; Alive and MaxHealth are the set-up's.
struct Settings {
  Int16 NumEnemies = 0;
  HeroRecord Hero;
  EnemyRecord Enemy;
};

// The fighters a battle starts from until the user changes them, against one Enemy.
inline constexpr Settings kDefaultSettings{
    .NumEnemies = 1,
    .Hero = {.Health = 100, .Attack = 15, .Defence = 10, .Magic = 20, .MagicDef = 10},
    .Enemy = {.Health = 20, .Attack = 15, .Suicide = 30, .Defence = 5, .MagicDef = 10},
};

// Where a battle stands after the checks that follow a move.
enum class Outcome { GoesOn, HeroWon, EnemiesWon };

// The battle state as a launch leaves it: the Hero and Enemies 1 to NumEnemies alive with the
// given statistics, each at full health, the other Enemies out of the battle.
void SetUp(const Settings& settings);

// The turn, the move counters and the decision values at the start, and the field drawn.
void Begin();

// Brings the stage up to date with the battle state: Enemy pictures, the turn arrow and
// every hit-point counter, rewritten in full on every call.
void RefreshBattlefield();

// Gives the turn to the next fighter still in the battle and makes its move; none once the
// battle has ended.
std::optional<Move> NextTurn();

// The checks that follow the given move: whether its target, or the acting Enemy, has fallen,
// and with it a side. An Enemy's move checks the Enemies first, so a double defeat is the Hero's.
Outcome CheckAfterMove(Move move);

// Retires the Enemy if its hit points are gone, and ends the battle if it was the last.
void CheckEnemyDefeated(Int16 index);
// Ends the battle, won by the Hero, when no Enemy is alive.
void CheckEnemiesDefeated();
// Ends the battle, lost by the Hero, when its hit points are gone.
void CheckHeroDefeated();

}  // namespace duelmark::Battle
