#include "IntelligentData.h"

namespace duelmark::IntelligentData {

void NoteEnemyDamage(Int16 amount) {
  if (amount > State.MaxEnemyDamage) State.MaxEnemyDamage = amount;
}

void UpdateBestEstimate() {
  State.BestEstimate = State.AttackEstimate > State.MagicEstimate ? State.AttackEstimate : State.MagicEstimate;
}

}  // namespace duelmark::IntelligentData
