#pragma once
// The battle window: it owns the battle it shows, and is its stage.
#include <optional>
#include <string>

#include "Battle.h"
#include "Window.h"

namespace duelmark {

class FrmBattle final : public rt::Window, public BattleStage {
 public:
  static constexpr const char* kName = "frmBattle";
  // The battle is set up from the settings at the window's load.
  explicit FrmBattle(const Settings& settings);

  // The battle this window shows, from its load on.
  Battle& Fight() { return *battle_; }

  // The tick counter shared by all five timers of this window.
  Int16 TimerSeconds = 0;

  // The battle's flow: load, Start, the pause between moves and the closing countdown.
  void Form_Load() override;
  void cmdStart_Click();
  void tmrPause_Timer();
  void tmrEnd_Timer();
  // Closes this window and shows the end window.
  void BattleOver();

  // The battle as the engine hands it over.
  void RefreshBattlefield(const BattleState& state) override;
  void ShowMove(Move move, const BattleState& state) override;
  void ShowEnemiesDefeated() override;
  void ShowHeroDefeated() override;

  // The animations that end each move.
  void tmrHeroAttack_Timer();
  void tmrCure_Timer();
  void tmrEnemyAttack_Timer();

  // Controls, front to back.
  rt::Control& tmrEnd;
  rt::Control& tmrPause;
  rt::Control& frmEnemies;
  rt::ControlArray lblEnemy;
  rt::ControlArray lblEnemyHP;
  rt::ControlArray lblSlash;
  rt::ControlArray lblEnemyMax;
  rt::Control& tmrEnemyAttack;
  rt::Control& tmrCure;
  rt::Control& cmdStart;
  rt::Control& tmrHeroAttack;
  rt::Control& frameHero;
  rt::Control& lblHPMax;
  rt::Control& lblHP;
  rt::Control& lbl1;
  rt::Control& lbl3;
  rt::Control& lblSeconds;
  rt::Control& lblNext;
  rt::Control& imgSuicide;
  rt::Control& imgCure;
  rt::Control& imgMagic;
  rt::Control& lblEnemyInfo;
  rt::Control& imgEnemyAttack;
  rt::Control& imgEnemyArrow;
  rt::Control& imgHeroArrow;
  rt::Control& imgHeroAttack;
  rt::Control& lblCure;
  rt::Control& lblHeroInfo;
  rt::Control& imgHero;
  rt::Control& lblInfo;
  rt::Control& shpInfo;
  rt::ControlArray imgEnemy;
  rt::Control& shpStats;
  rt::Control& imgBackground;

 private:
  // An animation's last tick, once the move is cleared from the screen: the battle's next
  // beat, which settles the move, and the pause unless a side has fallen.
  void EndMove();

  Settings settings_;
  std::optional<Battle> battle_;
};

// How the battle window names an Enemy: "Enemy 3".
std::string EnemyName(int index);
std::string TurnArrowName(const std::string& fighter);  // "turn arrow over Hero"

// The battle window's single instance, created and loaded for a battle of the given settings
// on first use.
FrmBattle& frmBattle(const Settings& settings);
// The battle window while it is loaded; none before the launch and after the battle.
FrmBattle* LoadedBattleWindow();
// The loaded battle window, which a procedure of the battle's own can count on.
FrmBattle& frmBattle();

}  // namespace duelmark
