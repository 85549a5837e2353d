#pragma once
// The battle module: the turn cycle, the end-of-battle checks and the redraw of the field.

namespace duelmark::Battle {

// Brings the battle window up to date with the battle state: Enemy pictures, the turn
// arrow and every hit-point counter, rewritten in full on every call.
void RefreshBattlefield();

}  // namespace duelmark::Battle
