#include "MoveChooser.h"

#include <cstdint>

#include "Attacks.h"
#include "IntelligentData.h"

namespace duelmark::MoveChooser {
namespace {

// Every draw is preceded by its own re-seed.
float Draw(Battle& battle) { return battle.Dice().ReseedAndNext(); }

Move BetterEstimatedMove(const BattleState& state) {
  return state.AttackEstimate > state.MagicEstimate ? Move::HeroAttack : Move::HeroMagic;
}

// Unhurt, with both moves tried: the rule works out the factorial of the Enemies alive when the
// better move would fell an unhurt Enemy at one hit, and uses that move.
Move BetterEstimatedMoveWhenSafe(BattleState& state) {
  if (state.BestEstimate >= state.EnemyFullHealth) IntelligentData::Factorial(state, state.EnemiesAlive);
  return BetterEstimatedMove(state);
}

Move UntriedMoveElse(BattleState& state) {
  if (state.AttackEstimate == BattleState::kUntried) return Move::HeroAttack;
  if (state.MagicEstimate == BattleState::kUntried) return Move::HeroMagic;
  return BetterEstimatedMoveWhenSafe(state);
}

// The Hero's fixed rule, from its health and what it remembers.
Move HeroRule(BattleState& state) {
  const HeroRecord& hero = state.Hero;
  // The most the living Enemies could deal in one pass of the turns, with the largest hit
  // seen so far. Compared exactly, in a wider integer: extreme statistics must not end the
  // program.
  const std::int32_t passDamage = std::int32_t{state.MaxEnemyDamage} * state.EnemiesAlive;
  // Safe: try each move once, then use the better one. Unhurt with both moves tried, the
  // rule would name no move at all and the battle would stand still.
  if (hero.Health >= hero.MaxHealth || 2 * passDamage < hero.Health) return UntriedMoveElse(state);
  if (passDamage <= std::int32_t{hero.Magic} + hero.Health) return Move::HeroCure;
  return BetterEstimatedMove(state);
}

}  // namespace

Move ChooseHeroMove(Battle& battle) {
  BattleState& state = battle.State;
  ChooseHeroTarget(battle);
  IntelligentData::UpdateBestEstimate(state);
  const Move move = HeroRule(state);
  Attacks::Make(battle, move);
  state.HeroMoves = rt::Add(state.HeroMoves, 1);
  return move;
}

void ChooseHeroTarget(Battle& battle) {
  BattleState& state = battle.State;
  PickRandomEnemy(battle);
  Int16 candidate = state.PickedEnemy;
  Int16 threshold = state.Enemies(1).MaxHealth;
  for (int i = 1; i <= state.NumEnemies; ++i) {
    const EnemyRecord& enemy = state.Enemies(i);
    if (enemy.Alive != rt::kFalse && enemy.Health < threshold) {
      threshold = enemy.Health;
      candidate = static_cast<Int16>(i);
    }
  }
  state.HeroTarget = candidate;
}

Move ChooseEnemyMove(Battle& battle) {
  BattleState& state = battle.State;
  state.EnemyMove = EnemyMoveOfDraw(Draw(battle));
  const Move move = state.EnemyMove == 2 ? Move::EnemySuicide : Move::EnemyAttack;
  Attacks::Make(battle, move);
  state.EnemyMoves = rt::Add(state.EnemyMoves, 1);
  return move;
}

void PickRandomEnemy(Battle& battle) {
  BattleState& state = battle.State;
  do {
    state.PickedEnemy = EnemyOfDraw(state.NumEnemies, Draw(battle));
  } while (state.Enemies(state.PickedEnemy).Alive == rt::kFalse);
}

Int16 EnemyMoveOfDraw(float r) {
  const Int16 move = rt::RoundHalfEven(r + r);
  return move == 0 ? Int16{1} : move;
}

Int16 EnemyOfDraw(Int16 numEnemies, float r) {
  const float x = static_cast<float>(rt::Sub(numEnemies, 1)) * r + 1.0f;
  return rt::RoundHalfEven(x);
}

}  // namespace duelmark::MoveChooser
