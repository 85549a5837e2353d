#include "Attacks.h"

#include "BattleStage.h"
#include "BattleState.h"
#include "IntelligentData.h"

namespace duelmark::Attacks {
namespace {

// The Hero's statistic against the target's defence; what it achieved becomes the move's
// estimate.
void HeroHit(Int16 heroStatistic, Int16Member<EnemyRecord> enemyStatistic, Int16Member<BattleState> estimate) {
  EnemyRecord& enemy = State.Enemies(State.HeroTarget);
  State.Damage = rt::Sub(heroStatistic, enemy.*enemyStatistic);
  enemy.Health = rt::Sub(enemy.Health, State.Damage);
  State.*estimate = State.Damage;
}

// The acting Enemy's statistic against the Hero's Defence.
EnemyRecord& EnemyHit(Int16Member<EnemyRecord> statistic) {
  EnemyRecord& enemy = State.Enemies(State.Turn);
  State.Damage = rt::Sub(enemy.*statistic, State.Hero.Defence);
  State.Hero.Health = rt::Sub(State.Hero.Health, State.Damage);
  IntelligentData::NoteEnemyDamage(State.Damage);
  return enemy;
}

}  // namespace

void HeroAttack() {
  HeroHit(State.Hero.Attack, &EnemyRecord::Defence, &BattleState::AttackEstimate);
  BattleStage::Current().ShowMove(Move::HeroAttack);
}

void HeroMagic() {
  HeroHit(State.Hero.Magic, &EnemyRecord::MagicDef, &BattleState::MagicEstimate);
  BattleStage::Current().ShowMove(Move::HeroMagic);
}

void HeroCure() {
  HeroRecord& hero = State.Hero;
  hero.Health = rt::Add(hero.Health, hero.Magic);
  if (hero.Health > hero.MaxHealth) hero.Health = hero.MaxHealth;
  BattleStage::Current().ShowMove(Move::HeroCure);
}

void EnemyAttack() {
  EnemyHit(&EnemyRecord::Attack);
  BattleStage::Current().ShowMove(Move::EnemyAttack);
}

void EnemySuicide() {
  EnemyHit(&EnemyRecord::Suicide).Health = 0;
  BattleStage::Current().ShowMove(Move::EnemySuicide);
}

void Make(Move move) {
  switch (move) {
    case Move::HeroAttack: return HeroAttack();
    case Move::HeroMagic: return HeroMagic();
    case Move::HeroCure: return HeroCure();
    case Move::EnemyAttack: return EnemyAttack();
    case Move::EnemySuicide: return EnemySuicide();
  }
}

}  // namespace duelmark::Attacks
