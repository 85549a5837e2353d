#pragma once
// The five moves. Each settles its whole effect on the battle state at once, then has the
// stage show the move and start its animation.

#include "BattleStage.h"

namespace duelmark::Attacks {

void HeroAttack();    // hits Enemies(HeroTarget) with Hero.Attack against its Defence
void HeroMagic();     // hits Enemies(HeroTarget) with Hero.Magic against its MagicDef
void HeroCure();      // heals the Hero by Hero.Magic, up to its MaxHealth
void EnemyAttack();   // Enemies(Turn) hits the Hero with its Attack
void EnemySuicide();  // Enemies(Turn) hits the Hero with its Suicide and gives up its hit points

// The move of that name.
void Make(Move move);

}  // namespace duelmark::Attacks
