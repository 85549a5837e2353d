#include "Battle.h"

#include "MoveChooser.h"

namespace duelmark::Battle {

void SetUp(const Settings& settings) {
  State.NumEnemies = settings.NumEnemies;
  State.Hero = settings.Hero;
  State.Hero.MaxHealth = State.Hero.Health;
  State.Hero.Alive = rt::kTrue;
  for (int i = 1; i <= kMaxEnemies; ++i) State.Enemies(i).Alive = rt::kFalse;
  for (int i = 1; i <= State.NumEnemies; ++i) {
    EnemyRecord& enemy = State.Enemies(i);
    enemy = settings.Enemy;
    enemy.MaxHealth = enemy.Health;
    enemy.Alive = rt::kTrue;
  }
}

void Begin() {
  State.LastTurn = State.NumEnemies;
  State.EnemiesAlive = State.NumEnemies;
  State.Turn = 0;
  State.AttackEstimate = BattleState::kUntried;
  State.MagicEstimate = BattleState::kUntried;
  State.CureEstimate = BattleState::kUntried;
  State.BattleEnded = rt::kFalse;
  State.HeroMoves = 0;
  State.EnemyMoves = 0;
  State.EnemyFullHealth = State.Enemies(1).MaxHealth;
  RefreshBattlefield();
}

void RefreshBattlefield() { BattleStage::Current().RefreshBattlefield(); }

std::optional<Move> NextTurn() {
  for (;;) {
    if (State.Turn < State.LastTurn) {
      State.Turn = rt::Add(State.Turn, 1);
    } else if (State.Turn == State.LastTurn) {
      State.Turn = 0;
    }
    RefreshBattlefield();
    if (State.BattleEnded != rt::kFalse) return std::nullopt;
    if (State.Turn == 0) return MoveChooser::ChooseHeroMove();  // the Hero moves without any test of its own
    if (State.Enemies(State.Turn).Alive != rt::kFalse) return MoveChooser::ChooseEnemyMove();
    // A retired Enemy is passed over, with one redraw for every index passed.
  }
}

Outcome CheckAfterMove(Move move) {
  switch (move) {
    case Move::HeroCure: return Outcome::GoesOn;  // a cure never ends the battle
    case Move::HeroAttack:
    case Move::HeroMagic: CheckEnemyDefeated(State.HeroTarget); break;
    case Move::EnemyAttack:
    case Move::EnemySuicide:
      CheckEnemyDefeated(State.Turn);
      CheckHeroDefeated();
      if (State.Hero.Health <= 0) return Outcome::EnemiesWon;
      break;
  }
  return State.BattleEnded == rt::kFalse ? Outcome::GoesOn : Outcome::HeroWon;
}

void CheckEnemyDefeated(Int16 index) {
  EnemyRecord& enemy = State.Enemies(index);
  if (enemy.Health > 0) return;
  State.EnemiesAlive = rt::Sub(State.EnemiesAlive, 1);
  enemy.Alive = rt::kFalse;
  enemy.Health = 0;
  CheckEnemiesDefeated();
}

void CheckEnemiesDefeated() {
  for (int i = 1; i <= kMaxEnemies; ++i) {
    if (State.Enemies(i).Alive != rt::kFalse) return;
  }
  State.BattleEnded = rt::kTrue;
  BattleStage::Current().ShowEnemiesDefeated();
}

void CheckHeroDefeated() {
  if (State.Hero.Health > 0) return;
  BattleStage::Current().ShowHeroDefeated();
  State.BattleEnded = rt::kTrue;
}

}  // namespace duelmark::Battle
