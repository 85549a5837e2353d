#pragma once
// The decisions: the Hero's fixed rule and the Enemies' draws. Each makes the move it chose
// and answers it.
#include "BattleStage.h"

namespace duelmark::MoveChooser {

// Picks the Hero's target, then starts exactly one of its three moves.
Move ChooseHeroMove();
// HeroTarget becomes the weakest wounded living Enemy, else a random living one.
void ChooseHeroTarget();
// The Enemy named by Turn attacks (three times in four) or uses suicide.
Move ChooseEnemyMove();
// PickedEnemy becomes a random living Enemy; the outer indices weigh half the inner ones.
void PickRandomEnemy();

}  // namespace duelmark::MoveChooser
