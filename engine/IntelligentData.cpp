#include "IntelligentData.h"

namespace duelmark::IntelligentData {

void NoteEnemyDamage(BattleState& state, Int16 amount) {
  if (amount > state.MaxEnemyDamage) state.MaxEnemyDamage = amount;
}

Int16 Factorial(BattleState& state, Int16 n) {
  state.FactorialValue = 1;
  for (int i = 1; i <= n; ++i) state.FactorialValue = rt::Saturate(std::int64_t{state.FactorialValue} * i);
  return state.FactorialValue;
}

void UpdateBestEstimate(BattleState& state) {
  state.BestEstimate = state.AttackEstimate > state.MagicEstimate ? state.AttackEstimate : state.MagicEstimate;
}

}  // namespace duelmark::IntelligentData
