// The settings window's help panel: it slides up 250 twips every 50 ms from its parking
// place at 6360 to the top of its rail at 860, then jumps to rest at 720; Close slides it
// back down. A press never starts a second motion: it turns a running one round instead, and
// a motion turned round before its first step is simply undone, so every motion ends on the
// rail's stops.
#include <algorithm>

#include "FrmBattleSettings.h"

namespace duelmark {

namespace {

constexpr double kTravel = FrmBattleSettings::HelpClosedTop - FrmBattleSettings::HelpRailTop;
constexpr double kStep = FrmBattleSettings::HelpStep;
// Even steps, the last landing on the stop. The stops below cannot be overshot, so a step
// that broke this would still stop, only after a shorter last step.
static_assert(kStep > 0 && kTravel > 0 && static_cast<int>(kTravel / kStep) * kStep == kTravel,
              " panel's travel is a whole number of steps");

}  // namespace

void FrmBattleSettings::cmdHelp_Click() {
  if (tmrHelp.Enabled()) return;  // already opening
  if (tmrClose.Enabled()) {
    // Closing: turn round from where the panel stands; the rail's steps lead back to 860.
    tmrClose.SetEnabled(false);
    if (fraHelp.Top() == HelpRailTop) {
      fraHelp.SetTop(HelpOpenTop);  // not yet moved: back to rest
    } else {
      tmrHelp.SetEnabled(true);
    }
    return;
  }
  if (fraHelp.Top() != HelpClosedTop) return;  // open
  fraHelp.SetVisible(true);
  tmrHelp.SetEnabled(true);
}

void FrmBattleSettings::cmdClose_Click() {
  if (tmrClose.Enabled()) return;  // already closing
  if (tmrHelp.Enabled()) {
    // Opening: turn round from where the panel stands; the rail's steps lead back to 6360.
    tmrHelp.SetEnabled(false);
    if (fraHelp.Top() != HelpClosedTop) tmrClose.SetEnabled(true);  // else not yet moved: parked
    return;
  }
  if (fraHelp.Top() != HelpOpenTop) return;  // parked or hidden
  fraHelp.SetTop(HelpRailTop);
  tmrClose.SetEnabled(true);
}

void FrmBattleSettings::tmrHelp_Timer() {
  fraHelp.SetTop(std::max(fraHelp.Top() - HelpStep, HelpRailTop));
  if (fraHelp.Top() <= HelpRailTop) {
    fraHelp.SetTop(HelpOpenTop);
    tmrHelp.SetEnabled(false);
  }
}

void FrmBattleSettings::tmrClose_Timer() {
  fraHelp.SetTop(std::min(fraHelp.Top() + HelpStep, HelpClosedTop));
  if (fraHelp.Top() >= HelpClosedTop) tmrClose.SetEnabled(false);
}

}  // namespace duelmark
