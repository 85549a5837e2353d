#pragma once
// Where the battle is shown. The engine settles each step on the battle state and then hands
// it to the stage, which writes the controls; the battle window is the stage while it exists.
#include <stdexcept>

namespace duelmark {

// The five moves, as the stage shows them.
enum class Move { HeroAttack, HeroMagic, HeroCure, EnemyAttack, EnemySuicide };

class BattleStage {
 public:
  // The stage made last shows the battle, until it is destroyed.
  BattleStage() { current_ = this; }
  virtual ~BattleStage() {
    if (current_ == this) current_ = nullptr;
  }
  BattleStage(const BattleStage&) = delete;
  BattleStage& operator=(const BattleStage&) = delete;

  static BattleStage& Current() {
    if (!current_) throw std::logic_error("the battle is run with no stage to show it on");
    return *current_;
  }

  // Each shows nothing unless overridden, so a stage shows only what it needs to.
  // Enemy pictures, the turn arrow and every hit-point counter, redrawn in full.
  virtual void RefreshBattlefield() {}
  // The move just settled on the battle state, shown with its animation started.
  virtual void ShowMove(Move) {}
  // The side that has won, with the closing countdown started.
  virtual void ShowEnemiesDefeated() {}
  virtual void ShowHeroDefeated() {}

 private:
  static inline BattleStage* current_ = nullptr;
};

}  // namespace duelmark
