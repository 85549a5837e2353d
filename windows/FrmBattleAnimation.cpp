// The three move animations: 60 ticks of 50 ms in which the move's figure rises 10 twips a
// tick; the last tick clears the move, runs the end checks, redraws and starts the pause.
#include "Battle.h"
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

void StartPause(FrmBattle& form) {
  form.TimerSeconds = 0;
  form.tmrPause.SetEnabled(true);
}

}  // namespace

void FrmBattle::tmrHeroAttack_Timer() {
  if (!Rise(TimerSeconds, lblEnemyInfo)) return;
  tmrHeroAttack.SetEnabled(false);
  imgHeroAttack.SetVisible(false);
  imgMagic.SetVisible(false);
  imgHero.SetVisible(true);
  lblInfo.SetVisible(false);
  shpInfo.SetVisible(false);
  lblEnemyInfo.SetVisible(false);
  Battle::CheckEnemyDefeated(State.HeroTarget);
  Battle::RefreshBattlefield();
  if (State.BattleEnded == rt::kFalse) StartPause(*this);
}

void FrmBattle::tmrCure_Timer() {
  if (!Rise(TimerSeconds, lblCure)) return;
  tmrCure.SetEnabled(false);
  lblCure.SetVisible(false);
  imgCure.SetVisible(false);
  lblInfo.SetVisible(false);
  shpInfo.SetVisible(false);
  Battle::RefreshBattlefield();
  StartPause(*this);  // a cure never ends the battle
}

void FrmBattle::tmrEnemyAttack_Timer() {
  if (!Rise(TimerSeconds, lblHeroInfo)) return;
  tmrEnemyAttack.SetEnabled(false);
  imgEnemyAttack.SetVisible(false);
  imgSuicide.SetVisible(false);
  imgEnemy(State.Turn).SetVisible(true);
  lblInfo.SetVisible(false);
  shpInfo.SetVisible(false);
  lblHeroInfo.SetVisible(false);
  // The Enemies' defeat is found first, so a double defeat reports the Hero's.
  Battle::CheckEnemyDefeated(State.Turn);
  Battle::CheckHeroDefeated();
  Battle::RefreshBattlefield();
  if (State.BattleEnded == rt::kFalse) StartPause(*this);
}

}  // namespace duelmark
