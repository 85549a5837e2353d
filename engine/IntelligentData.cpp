#include "IntelligentData.h"

namespace duelmark::IntelligentData {

void NoteEnemyDamage(Int16 amount) {
  if (amount > State.MaxEnemyDamage) State.MaxEnemyDamage = amount;
}

Int16 Factorial(Int16 n) {
  State.FactorialValue = 1;
  for (int i = 1; i <= n; ++i) State.FactorialValue = rt::Saturate(std::int64_t{State.FactorialValue} * i);
  return State.FactorialValue;
}

void UpdateBestEstimate() {
  State.BestEstimate = State.AttackEstimate > State.MagicEstimate ? State.AttackEstimate : State.MagicEstimate;
}

}  // namespace duelmark::IntelligentData
