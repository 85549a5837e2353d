#include "Battle.h"

#include <stdexcept>

#include "MoveChooser.h"

namespace duelmark {

Battle::Battle(const Settings& settings, rt::RandomSource& dice, BattleStage& stage) : Battle(settings, dice) {
  stage_ = &stage;
}

Battle::Battle(const Settings& settings, rt::RandomSource& dice) : dice_(dice), stage_(nullptr) {
  if (const auto unfit = Unfit(settings)) throw std::invalid_argument(*unfit);
  State.NumEnemies = settings.NumEnemies;
  State.Hero = settings.Hero;
  State.Hero.MaxHealth = State.Hero.Health;
  State.Hero.Alive = rt::kTrue;
  for (int i = 1; i <= State.NumEnemies; ++i) {
    EnemyRecord& enemy = State.Enemies(i);
    enemy = settings.Enemy;
    enemy.MaxHealth = enemy.Health;
    enemy.Alive = rt::kTrue;
  }
}

void Battle::Begin() {
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

Beat Battle::Advance() {
  if (winner_ != Outcome::GoesOn) return Beat::Ended;
  if (lastMove_) {
    const Outcome outcome = CheckAfterMove(*lastMove_);
    lastMove_.reset();
    RefreshBattlefield();
    if (outcome == Outcome::GoesOn) return Beat::Settled;
    winner_ = outcome;
    return Beat::Ended;
  }
  // The Hero opens without any test of its own; every later move is the next turn's.
  lastMove_ = opened_ ? NextTurn() : MoveChooser::ChooseHeroMove(*this);
  opened_ = true;
  if (lastMove_) return Beat::Moved;
  // No fighter moves once the battle has ended, which the checks have found already.
  winner_ = State.Hero.Health <= 0 ? Outcome::EnemiesWon : Outcome::HeroWon;
  return Beat::Ended;
}

void Battle::Resume(const BattleState& settled) {
  State = settled;
  opened_ = true;
  lastMove_.reset();
  winner_ = Outcome::GoesOn;
}

void Battle::RefreshBattlefield() {
  if (stage_) stage_->RefreshBattlefield(State);
}

std::optional<Move> Battle::NextTurn() {
  for (;;) {
    if (State.Turn < State.LastTurn) {
      State.Turn = rt::Add(State.Turn, 1);
    } else if (State.Turn == State.LastTurn) {
      State.Turn = 0;
    }
    RefreshBattlefield();
    if (State.BattleEnded != rt::kFalse) return std::nullopt;
    if (State.Turn == 0) return MoveChooser::ChooseHeroMove(*this);  // the Hero moves without any test of its own
    if (State.Enemies(State.Turn).Alive != rt::kFalse) return MoveChooser::ChooseEnemyMove(*this);
    // A retired Enemy is passed over, with one redraw for every index passed.
  }
}

Outcome Battle::CheckAfterMove(Move move) {
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

void Battle::CheckEnemyDefeated(Int16 index) {
  EnemyRecord& enemy = State.Enemies(index);
  if (enemy.Health > 0) return;
  State.EnemiesAlive = rt::Sub(State.EnemiesAlive, 1);
  enemy.Alive = rt::kFalse;
  enemy.Health = 0;
  CheckEnemiesDefeated();
}

void Battle::CheckEnemiesDefeated() {
  for (int i = 1; i <= kMaxEnemies; ++i) {
    if (State.Enemies(i).Alive != rt::kFalse) return;
  }
  State.BattleEnded = rt::kTrue;
  if (stage_) stage_->ShowEnemiesDefeated();
}

void Battle::CheckHeroDefeated() {
  if (State.Hero.Health > 0) return;
  if (stage_) stage_->ShowHeroDefeated();
  State.BattleEnded = rt::kTrue;
}

}  // namespace duelmark
