#pragma once
// Where a battle is fought: the stage it is shown on and the dice that decide it. The engine
// settles each step on the battle state and then hands it to the stage, which writes the
// controls; the battle window is the stage while it exists, and the odds fight on an unseen one.
#include <stdexcept>

#include "Random.h"

namespace duelmark {

// The five moves, as the stage shows them.
enum class Move { HeroAttack, HeroMagic, HeroCure, EnemyAttack, EnemySuicide };

class BattleStage {
 public:
  // The stage made last holds the battle until it is destroyed; then the one before it does.
  // Out of line: a compiler that sees a stage on the stack linked into the chain, and not the
  // destructor that unlinks it, warns of a dangling pointer (GCC 14 and later).
  BattleStage();
  virtual ~BattleStage();
  BattleStage(const BattleStage&) = delete;
  BattleStage& operator=(const BattleStage&) = delete;

  static BattleStage& Current() {
    if (!current_) throw std::logic_error("the battle is run with no stage to show it on");
    return *current_;
  }

  // The generator of the Enemies' moves and the Hero's random targets.
  virtual rt::RandomSource& Dice() = 0;

  // Each shows nothing unless overridden, so a stage shows only what it needs to.
  // Enemy pictures, the turn arrow and every hit-point counter, redrawn in full.
  virtual void RefreshBattlefield() {}
  // The move just settled on the battle state, shown with its animation started.
  virtual void ShowMove(Move) {}
  // The side that has won, with the closing countdown started.
  virtual void ShowEnemiesDefeated() {}
  virtual void ShowHeroDefeated() {}

 private:
  BattleStage* previous_;
  static BattleStage* current_;
};

}  // namespace duelmark
