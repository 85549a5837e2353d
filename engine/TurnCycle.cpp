// The turn cycle and the end-of-battle checks of the battle module.
#include "Battle.h"
#include "BattleStage.h"
#include "MoveChooser.h"

namespace duelmark::Battle {

void RefreshBattlefield() { BattleStage::Current().RefreshBattlefield(); }

void NextTurn() {
  for (;;) {
    if (State.Turn < State.LastTurn) {
      State.Turn = rt::Add(State.Turn, 1);
    } else if (State.Turn == State.LastTurn) {
      State.Turn = 0;
    }
    RefreshBattlefield();
    if (State.BattleEnded != rt::kFalse) return;
    if (State.Turn == 0) {
      MoveChooser::ChooseHeroMove();  // the Hero moves without any test of its own
      return;
    }
    if (State.Enemies(State.Turn).Alive != rt::kFalse) {
      MoveChooser::ChooseEnemyMove();
      return;
    }
    // A retired Enemy is passed over, with one redraw for every index passed.
  }
}

void CheckEnemyDefeated(Int16 index) {
  EnemyRecord& enemy = State.Enemies(index);
  if (enemy.Health > 0) return;
  State.EnemiesAlive = rt::Sub(State.EnemiesAlive, 1);
  enemy.Alive = rt::kFalse;
  enemy.Health = 0;
  CheckEnemiesDefeated();
}

void CheckEnemiesDefeated() {
  for (int i = 1; i <= kMaxEnemies; ++i) {
    if (State.Enemies(i).Alive != rt::kFalse) return;
  }
  State.BattleEnded = rt::kTrue;
  BattleStage::Current().ShowEnemiesDefeated();
}

void CheckHeroDefeated() {
  if (State.Hero.Health > 0) return;
  BattleStage::Current().ShowHeroDefeated();
  State.BattleEnded = rt::kTrue;
}

}  // namespace duelmark::Battle
