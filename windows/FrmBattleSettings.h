#pragma once
// The settings window: the fighters' statistics, the number of Enemies, and a sliding help
// panel. The program opens on it.
#include <array>
#include <string_view>

#include "StatisticRows.h"
#include "Window.h"

namespace duelmark {

class FrmBattleSettings final : public rt::Window {
  // The statistics' boxes, in the order of their table; filled as the boxes are added.
  std::array<rt::Control*, kStatistics.size()> statisticBoxes_{};

 public:
  static constexpr const char* kName = "frmBattleSettings";
  static constexpr double SettingsWindowHeight = 6885;  // outer; the parked help panel lies at its edge
  // The help panel's rail, in twips.
  static constexpr double HelpClosedTop = 6360;
  static constexpr double HelpRailTop = 860;
  static constexpr double HelpOpenTop = 720;
  static constexpr double HelpStep = 250;
  FrmBattleSettings();

  void Form_Load() override;
  // Closing the window by its title bar ends the program, like Exit.
  void UserClosed() override;
  void cmdDefaults_Click();
  void cmdStart_Click();
  void cmdEXIT_Click();

  // The box of the statistic at the given place in the statistics' table.
  rt::Control& StatisticBox(std::size_t statistic) const { return *statisticBoxes_.at(statistic); }

  // The help panel slides up over the window and back down.
  void cmdHelp_Click();
  void cmdClose_Click();
  void tmrHelp_Timer();
  void tmrClose_Timer();

  // Controls, front to back.
  rt::Control& fraHelp;
  rt::Control& cmdClose;
  rt::Control& tmrClose;
  rt::Control& tmrHelp;
  rt::Control& lblHelp1;
  rt::Control& cmdHelp;
  rt::Control& cmdDefaults;
  rt::Control& lstNumEn;
  rt::Control& cmdStart;
  rt::Control& cmdEXIT;
  rt::Control& Frame2;
  rt::Control& txtEMagDef;
  rt::Control& txtESuicide;
  rt::Control& txtEDefence;
  rt::Control& txtEAttack;
  rt::Control& txtEHealth;
  rt::Control& Label14;
  rt::Control& Label13;
  rt::Control& Label12;
  rt::Control& Label10;
  rt::Control& Label9;
  rt::Control& Frame1;
  rt::Control& txtHealth;
  rt::Control& txtDefence;
  rt::Control& txtAttack;
  rt::Control& txtMagic;
  rt::Control& txtMagicDef;
  rt::Control& Label3;
  rt::Control& Label4;
  rt::Control& Label5;
  rt::Control& Label6;
  rt::Control& Label7;
  rt::Control& Frame3;
  rt::Control& Label15;
  rt::Control& Label1;
  rt::Control& Shape1;

 private:
  void WriteDefaults();
  // A statistic's box and label, from the row of the statistics' table that names them.
  rt::Control& AddStatisticBox(rt::Control& frame, const char* name);
  rt::Control& AddStatisticLabel(const char* name);
};

// The settings window's single instance, created and loaded on first use.
FrmBattleSettings& frmBattleSettings();

}  // namespace duelmark
