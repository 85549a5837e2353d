// The three move animations: 60 ticks of 50 ms in which the move's figure rises 10 twips a
// tick; the last tick clears the move and asks the battle for its next beat, which runs the
// checks after the move and redraws, then starts the pause unless a side has fallen.
#include "FrmBattle.h"

namespace duelmark {
namespace {

constexpr Int16 kLastTick = 60;

// One tick of an animation: answers whether it was the last.
bool Rise(Int16& tickCounter, rt::Control& figure) {
  tickCounter = rt::Add(tickCounter, 1);
  figure.SetTop(figure.Top() - 10);
  return tickCounter == kLastTick;
}

}  // namespace

void FrmBattle::EndMove() {
  if (battle_->Advance() == Beat::Ended) return;
  TimerSeconds = 0;
  tmrPause.SetEnabled(true);
}

void FrmBattle::tmrHeroAttack_Timer() {
  if (!Rise(TimerSeconds, lblEnemyInfo)) return;
  tmrHeroAttack.SetEnabled(false);
  imgHeroAttack.SetVisible(false);
  imgMagic.SetVisible(false);
  imgHero.SetVisible(true);
  lblInfo.SetVisible(false);
  shpInfo.SetVisible(false);
  lblEnemyInfo.SetVisible(false);
  EndMove();
}

void FrmBattle::tmrCure_Timer() {
  if (!Rise(TimerSeconds, lblCure)) return;
  tmrCure.SetEnabled(false);
  lblCure.SetVisible(false);
  imgCure.SetVisible(false);
  lblInfo.SetVisible(false);
  shpInfo.SetVisible(false);
  EndMove();
}

void FrmBattle::tmrEnemyAttack_Timer() {
  if (!Rise(TimerSeconds, lblHeroInfo)) return;
  tmrEnemyAttack.SetEnabled(false);
  imgEnemyAttack.SetVisible(false);
  imgSuicide.SetVisible(false);
  imgEnemy(battle_->State.Turn).SetVisible(true);
  lblInfo.SetVisible(false);
  shpInfo.SetVisible(false);
  lblHeroInfo.SetVisible(false);
  EndMove();
}

}  // namespace duelmark
