#pragma once
// Where a battle is shown. The engine settles each step on the battle's state and then hands
// it to its stage, which writes the controls; the battle window is the stage of the battle it
// shows, and the odds fight on an unseen one.
#include "BattleState.h"

namespace duelmark {

// The five moves, as the stage shows them.
enum class Move { HeroAttack, HeroMagic, HeroCure, EnemyAttack, EnemySuicide };

class BattleStage {
 public:
  virtual ~BattleStage() = default;

  // Each shows nothing unless overridden, so a stage shows only what it needs to.
  // Enemy pictures, the turn arrow and every hit-point counter, redrawn in full.
  virtual void RefreshBattlefield(const BattleState&) {}
  // The move just settled on the battle state, shown with its animation started.
  virtual void ShowMove(Move, const BattleState&) {}
  // A side has fallen, found by the checks after a move, with the closing countdown started.
  // Both are shown, in this order, when an Enemy's suicide fells the last Enemy and the Hero
  // alike; the Enemies have won then.
  virtual void ShowEnemiesDefeated() {}
  virtual void ShowHeroDefeated() {}
};

}  // namespace duelmark
