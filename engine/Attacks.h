#pragma once
// The five moves. Each settles its whole effect on the battle's state at once, then has the
// stage show the move and start its animation.
#include "Battle.h"

namespace duelmark::Attacks {

void HeroAttack(Battle& battle);    // hits Enemies(HeroTarget) with Hero.Attack against its Defence
void HeroMagic(Battle& battle);     // hits Enemies(HeroTarget) with Hero.Magic against its MagicDef
void HeroCure(Battle& battle);      // heals the Hero by Hero.Magic, up to its MaxHealth
void EnemyAttack(Battle& battle);   // Enemies(Turn) hits the Hero with its Attack
void EnemySuicide(Battle& battle);  // Enemies(Turn) hits the Hero with its Suicide and gives up its hit points

// The move of that name.
void Make(Battle& battle, Move move);

}  // namespace duelmark::Attacks
