#pragma once
// The battle module: one battle as a value, holding its state and its dice, shown on the stage
// given to it. Any number of battles may exist at once, in any thread.
//
// The order of a battle is written here once: the Hero opens; after each move the checks find
// whether a side has fallen; while none has, NextTurn makes the next fighter's move. A driver
// calls Advance for each beat and adds only what it needs: the battle window the time and the
// pictures between beats, the odds a count.
#include <optional>

#include "BattleStage.h"
#include "BattleState.h"
#include "Random.h"
#include "Settings.h"

namespace duelmark {

// Where a battle stands after the checks that follow a move.
enum class Outcome { GoesOn, HeroWon, EnemiesWon };

// What Advance did: made a move, which the stage is showing; settled the last move with the
// battle going on, so that the next Advance makes the next move; or found the battle over.
enum class Beat { Moved, Settled, Ended };

class Battle {
 public:
  // The battle state as a launch leaves it: the Hero and Enemies 1 to NumEnemies alive with the
  // given statistics, each at full health, the other Enemies out of the battle. A setting that
  // a battle cannot hold (Unfit) throws std::invalid_argument with the reason.
  Battle(const Settings& settings, rt::RandomSource& dice, BattleStage& stage);
  // A battle that nobody watches: the odds'.
  Battle(const Settings& settings, rt::RandomSource& dice);
  Battle(const Battle&) = delete;
  Battle& operator=(const Battle&) = delete;

  // The turn, the move counters and the decision values at the start, and the field drawn.
  void Begin();

  // The battle's next beat: the Hero's opening move, then the checks after a move and the
  // next move in turn, until a side has fallen.
  Beat Advance();

  // The battle taken up at a settled beat with the given state: its next Advance makes the next
  // fighter's move. How the exact odds visit every state a battle can reach.
  void Resume(const BattleState& settled);

  // Who won, once Advance has answered Ended; GoesOn until then.
  Outcome Winner() const { return winner_; }

  BattleState State;
  rt::RandomSource& Dice() { return dice_; }
  // The move just settled, shown on the stage, if any.
  void ShowMove(Move move) {
    if (stage_) stage_->ShowMove(move, State);
  }

  // The module's steps, which Advance calls in their order.
  // Brings the stage up to date with the battle state.
  void RefreshBattlefield();
  // Gives the turn to the next fighter still in the battle and makes its move; none once the
  // battle has ended.
  std::optional<Move> NextTurn();
  // The checks that follow the given move: whether its target, or the acting Enemy, has fallen,
  // and with it a side. An Enemy's move checks the Enemies first, so a double defeat is the Hero's.
  Outcome CheckAfterMove(Move move);
  // Retires the Enemy if its hit points are gone, and ends the battle if it was the last.
  void CheckEnemyDefeated(Int16 index);
  // Ends the battle, won by the Hero, when no Enemy is alive.
  void CheckEnemiesDefeated();
  // Ends the battle, lost by the Hero, when its hit points are gone.
  void CheckHeroDefeated();

 private:
  rt::RandomSource& dice_;
  BattleStage* stage_;  // none for a battle nobody watches
  bool opened_ = false;
  std::optional<Move> lastMove_;  // made and not yet settled
  Outcome winner_ = Outcome::GoesOn;
};

}  // namespace duelmark
