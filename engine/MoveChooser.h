#pragma once
// The decisions: the Hero's fixed rule and the Enemies' draws.

namespace duelmark::MoveChooser {

// Picks the Hero's target, then starts exactly one of its three moves.
void ChooseHeroMove();
// HeroTarget becomes the weakest wounded living Enemy, else a random living one.
void ChooseHeroTarget();
// The Enemy named by Turn attacks (three times in four) or uses suicide.
void ChooseEnemyMove();
// PickedEnemy becomes a random living Enemy; the outer indices weigh half the inner ones.
void PickRandomEnemy();

}  // namespace duelmark::MoveChooser
