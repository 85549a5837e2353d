#include "MoveChooser.h"

#include <cstdint>

#include "Attacks.h"
#include "BattleState.h"
#include "IntelligentData.h"
#include "Runtime.h"

namespace duelmark::MoveChooser {
namespace {

// Every draw is preceded by its own re-seed.
float Draw() {
  rt::RandomSource& random = rt::program->Random();
  random.Reseed();
  return random.Next();
}

void BetterEstimatedMove() {
  if (State.AttackEstimate > State.MagicEstimate) {
    Attacks::HeroAttack();
  } else {
    Attacks::HeroMagic();
  }
}

// Unhurt, with both moves tried: the rule works out the factorial of the Enemies alive when the
// better move would fell an unhurt Enemy at one hit, and uses that move.
void BetterEstimatedMoveWhenSafe() {
  if (State.BestEstimate >= State.EnemyFullHealth) IntelligentData::Factorial(State.EnemiesAlive);
  BetterEstimatedMove();
}

void UntriedMoveElse(void (*otherwise)()) {
  if (State.AttackEstimate == BattleState::kUntried) {
    Attacks::HeroAttack();
  } else if (State.MagicEstimate == BattleState::kUntried) {
    Attacks::HeroMagic();
  } else {
    otherwise();
  }
}

}  // namespace

void ChooseHeroMove() {
  ChooseHeroTarget();
  IntelligentData::UpdateBestEstimate();
  const HeroRecord& hero = State.Hero;
  // The most the living Enemies could deal in one pass of the turns, with the largest hit
  // seen so far. Compared exactly, in a wider integer: extreme statistics must not end the
  // program.
  const std::int32_t passDamage = std::int32_t{State.MaxEnemyDamage} * State.EnemiesAlive;
  if (hero.Health >= hero.MaxHealth || 2 * passDamage < hero.Health) {
    // Safe: try each move once, then use the better one. Unhurt with both moves tried, the
    // rule would name no move at all and the battle would stand still.
    UntriedMoveElse(BetterEstimatedMoveWhenSafe);
  } else if (passDamage <= std::int32_t{hero.Magic} + hero.Health) {
    Attacks::HeroCure();
  } else {
    BetterEstimatedMove();
  }
  State.HeroMoves = rt::Add(State.HeroMoves, 1);
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

void ChooseEnemyMove() {
  const float r = Draw();
  State.EnemyMove = rt::RoundHalfEven(r + r);
  if (State.EnemyMove == 0) State.EnemyMove = 1;
  if (State.EnemyMove == 1) Attacks::EnemyAttack();
  if (State.EnemyMove == 2) Attacks::EnemySuicide();
  State.EnemyMoves = rt::Add(State.EnemyMoves, 1);
}

void PickRandomEnemy() {
  do {
    const float r = Draw();
    const float x = static_cast<float>(rt::Sub(State.NumEnemies, 1)) * r + 1.0f;
    State.PickedEnemy = rt::RoundHalfEven(x);
  } while (State.Enemies(State.PickedEnemy).Alive == rt::kFalse);
}

}  // namespace duelmark::MoveChooser
