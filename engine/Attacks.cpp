#include "Attacks.h"

#include "IntelligentData.h"

namespace duelmark::Attacks {
namespace {

// The Hero's statistic against the target's defence; what it achieved becomes the move's
// estimate.
void HeroHit(BattleState& state, Int16 heroStatistic, Int16Member<EnemyRecord> enemyStatistic,
             Int16Member<BattleState> estimate) {
  EnemyRecord& enemy = state.Enemies(state.HeroTarget);
  state.Damage = rt::Sub(heroStatistic, enemy.*enemyStatistic);
  enemy.Health = rt::Sub(enemy.Health, state.Damage);
  state.*estimate = state.Damage;
}

// The acting Enemy's statistic against the Hero's Defence.
EnemyRecord& EnemyHit(BattleState& state, Int16Member<EnemyRecord> statistic) {
  EnemyRecord& enemy = state.Enemies(state.Turn);
  state.Damage = rt::Sub(enemy.*statistic, state.Hero.Defence);
  state.Hero.Health = rt::Sub(state.Hero.Health, state.Damage);
  IntelligentData::NoteEnemyDamage(state, state.Damage);
  return enemy;
}

}  // namespace

void HeroAttack(Battle& battle) {
  BattleState& state = battle.State;
  HeroHit(state, state.Hero.Attack, &EnemyRecord::Defence, &BattleState::AttackEstimate);
  battle.ShowMove(Move::HeroAttack);
}

void HeroMagic(Battle& battle) {
  BattleState& state = battle.State;
  HeroHit(state, state.Hero.Magic, &EnemyRecord::MagicDef, &BattleState::MagicEstimate);
  battle.ShowMove(Move::HeroMagic);
}

void HeroCure(Battle& battle) {
  HeroRecord& hero = battle.State.Hero;
  hero.Health = rt::Add(hero.Health, hero.Magic);
  if (hero.Health > hero.MaxHealth) hero.Health = hero.MaxHealth;
  battle.ShowMove(Move::HeroCure);
}

void EnemyAttack(Battle& battle) {
  EnemyHit(battle.State, &EnemyRecord::Attack);
  battle.ShowMove(Move::EnemyAttack);
}

void EnemySuicide(Battle& battle) {
  EnemyHit(battle.State, &EnemyRecord::Suicide).Health = 0;
  battle.ShowMove(Move::EnemySuicide);
}

void Make(Battle& battle, Move move) {
  switch (move) {
    case Move::HeroAttack: return HeroAttack(battle);
    case Move::HeroMagic: return HeroMagic(battle);
    case Move::HeroCure: return HeroCure(battle);
    case Move::EnemyAttack: return EnemyAttack(battle);
    case Move::EnemySuicide: return EnemySuicide(battle);
  }
}

}  // namespace duelmark::Attacks
