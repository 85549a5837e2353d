// The battle window's own flow: it opens idle, the Start button makes the first move, a
// 3-2-1 pause runs between moves, and once a side has won a closing countdown hands over to
// the end window.
#include <string>

#include "Battle.h"
#include "FrmBattle.h"
#include "FrmEnd.h"
#include "Runtime.h"
#include "Texts.h"

namespace duelmark {

void FrmBattle::Form_Load() {
  battle_.emplace(settings_, Runtime().Random(), *this);
  battle_->Begin();
}

void FrmBattle::cmdStart_Click() {
  cmdStart.SetEnabled(false);
  cmdStart.SetCaption(rt::Tr("Simulator is running. Please pay attention."));
  battle_->Advance();  // the Hero's opening move
}

void FrmBattle::tmrPause_Timer() {
  TimerSeconds = rt::Add(TimerSeconds, 1);
  lblNext.SetVisible(true);
  lblSeconds.SetVisible(true);
  lblSeconds.SetCaption(rt::ToText(4 - TimerSeconds));
  if (TimerSeconds == 4) {
    lblNext.SetVisible(false);
    lblSeconds.SetVisible(false);
    tmrPause.SetEnabled(false);
    battle_->Advance();  // the next fighter's move
  }
}

// The last move's message stays on its bar, which the countdown then takes over.
void FrmBattle::ShowEnemiesDefeated() {
  TimerSeconds = 0;
  shpInfo.SetVisible(true);
  lblInfo.SetVisible(true);
  frmEnd().lblEnd.SetCaption(rt::Tr("The Hero has defeated all Enemies."));
  tmrEnd.SetEnabled(true);
}

void FrmBattle::ShowHeroDefeated() {
  frmEnd().lblEnd.SetCaption(rt::Tr("The Enemies have defeated the Hero."));
  tmrEnd.SetEnabled(true);
  TimerSeconds = 0;
  shpInfo.SetVisible(true);
  lblInfo.SetVisible(true);
}

void FrmBattle::tmrEnd_Timer() {
  TimerSeconds = rt::Add(TimerSeconds, 1);
  const std::string over = rt::Tr("The Battle is Over.");
  const int left = 6 - TimerSeconds;
  // TRANSLATORS: the countdown to the report, a second at a time; English says "seconds" for
  // every number, 1 too.
  const std::string endIn = rt::Format(rt::TrN("End in {seconds} seconds.", "End in {seconds} seconds.", left),
                                       {{"seconds", rt::ToText(left)}});
  lblInfo.SetCaption(over + "  " + endIn);
  // Heard once, with one blank: a listener needs no count of every second.
  if (TimerSeconds == 1) lblInfo.Announce(over + " " + endIn);
  if (TimerSeconds == 6) BattleOver();
}

void FrmBattle::BattleOver() {
  Unload();
  frmEnd().Show();
}

}  // namespace duelmark
