#include "MoveChooser.h"

#include <cstdint>

#include "Attacks.h"
#include "BattleStage.h"
#include "BattleState.h"
#include "IntelligentData.h"

namespace duelmark::MoveChooser {
namespace {

// Every draw is preceded by its own re-seed.
float Draw() {
  rt::RandomSource& random = BattleStage::Current().Dice();
  random.Reseed();
  return random.Next();
}

Move BetterEstimatedMove() { return State.AttackEstimate > State.MagicEstimate ? Move::HeroAttack : Move::HeroMagic; }

// Unhurt, with both moves tried: the rule works out the factorial of the Enemies alive when the
// better move would fell an unhurt Enemy at one hit, and uses that move.
Move BetterEstimatedMoveWhenSafe() {
  if (State.BestEstimate >= State.EnemyFullHealth) IntelligentData::Factorial(State.EnemiesAlive);
  return BetterEstimatedMove();
}

Move UntriedMoveElse(Move (*otherwise)()) {
  if (State.AttackEstimate == BattleState::kUntried) return Move::HeroAttack;
  if (State.MagicEstimate == BattleState::kUntried) return Move::HeroMagic;
  return otherwise();
}

// The Hero's fixed rule, from its health and what it remembers.
Move HeroRule() {
  const HeroRecord& hero = State.Hero;
  // The most the living Enemies could deal in one pass of the turns, with the largest hit
  // seen so far. Compared exactly, in a wider integer: extreme statistics must not end the
  // program.
  const std::int32_t passDamage = std::int32_t{State.MaxEnemyDamage} * State.EnemiesAlive;
  // Safe: try each move once, then use the better one. Unhurt with both moves tried, the
  // rule would name no move at all and the battle would stand still.
  if (hero.Health >= hero.MaxHealth || 2 * passDamage < hero.Health)
    return UntriedMoveElse(BetterEstimatedMoveWhenSafe);
  if (passDamage <= std::int32_t{hero.Magic} + hero.Health) return Move::HeroCure;
  return BetterEstimatedMove();
}

}  // namespace

Move ChooseHeroMove() {
  ChooseHeroTarget();
  IntelligentData::UpdateBestEstimate();
  const Move move = HeroRule();
  Attacks::Make(move);
  State.HeroMoves = rt::Add(State.HeroMoves, 1);
  return move;
}

void ChooseHeroTarget() {
  PickRandomEnemy();
  Int16 candidate = State.PickedEnemy;
  Int16 threshold = State.Enemies(1).MaxHealth;
  for (int i = 1; i <= State.NumEnemies; ++i) {
    const EnemyRecord& enemy = State.Enemies(i);
    if (enemy.Alive != rt::kFalse && enemy.Health < threshold) {
      threshold = enemy.Health;
      candidate = static_cast<Int16>(i);
    }
  }
  State.HeroTarget = candidate;
}

Move ChooseEnemyMove() {
  const float r = Draw();
  State.EnemyMove = rt::RoundHalfEven(r + r);
  if (State.EnemyMove == 0) State.EnemyMove = 1;
  const Move move = State.EnemyMove == 2 ? Move::EnemySuicide : Move::EnemyAttack;
  Attacks::Make(move);
  State.EnemyMoves = rt::Add(State.EnemyMoves, 1);
  return move;
}

void PickRandomEnemy() {
  do {
    const float r = Draw();
    const float x = static_cast<float>(rt::Sub(State.NumEnemies, 1)) * r + 1.0f;
    State.PickedEnemy = rt::RoundHalfEven(x);
  } while (State.Enemies(State.PickedEnemy).Alive == rt::kFalse);
}

}  // namespace duelmark::MoveChooser
