#pragma once
// The battle window: the stage on which a battle is watched.
#include <string>

#include "BattleStage.h"
#include "BattleState.h"
#include "Window.h"

namespace duelmark {

class FrmBattle final : public rt::Window, public BattleStage {
 public:
  static constexpr const char* kName = "frmBattle";
  FrmBattle();

  // The tick counter shared by all five timers of this window.
  Int16 TimerSeconds = 0;

  // The battle's flow: load, Start, the pause between moves and the closing countdown.
  void Form_Load() override;
  void cmdStart_Click();
  void tmrPause_Timer();
  void tmrEnd_Timer();
  // Closes this window and shows the end window.
  void BattleOver();

  // The battle as the engine hands it over, decided by the runtime's generator.
  rt::RandomSource& Dice() override;
  void RefreshBattlefield() override;
  void ShowMove(Move move) override;
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
  // An animation's last tick, once the move is cleared from the screen: the checks that follow
  // it, the field redrawn, and the pause unless a side has fallen.
  void EndMove();
  // The move being animated.
  Move moveShown_ = Move::HeroAttack;
};

// How the battle window names an Enemy: "Enemy 3".
std::string EnemyName(int index);

// The battle window's single instance, created and loaded on first use.
FrmBattle& frmBattle();

}  // namespace duelmark
