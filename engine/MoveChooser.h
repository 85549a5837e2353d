#pragma once
// The decisions: the Hero's fixed rule and the Enemies' draws. Each makes the move it chose
// and answers it.
#include "Battle.h"

namespace duelmark::MoveChooser {

// Picks the Hero's target, then starts exactly one of its three moves.
Move ChooseHeroMove(Battle& battle);
// HeroTarget becomes the weakest wounded living Enemy, else a random living one.
void ChooseHeroTarget(Battle& battle);
// The Enemy named by Turn attacks (three times in four) or uses suicide.
Move ChooseEnemyMove(Battle& battle);
// PickedEnemy becomes a random living Enemy; the outer indices weigh half the inner ones.
void PickRandomEnemy(Battle& battle);

// What a draw r decides: an Enemy's move (1 attack, 2 suicide), and the Enemy it names among
// the given number, fallen or not.
Int16 EnemyMoveOfDraw(float r);
Int16 EnemyOfDraw(Int16 numEnemies, float r);

}  // namespace duelmark::MoveChooser
