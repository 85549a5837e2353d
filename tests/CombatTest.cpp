#include "Attacks.h"
#include "FrmBattle.h"
#include "Harness.h"
#include "IntelligentData.h"

namespace duelmark::testing {
namespace {

class Combat : public Harness {
 protected:
  Combat() {
    FillDefaults(3);
    frmBattle().TimerSeconds = 17;  // whatever ran before
    TakeTrace();
  }
  FrmBattle& Form() { return frmBattle(); }
};

TEST_F(Combat, HeroAttackOnEnemyOneWithTheDefaults) {
  State.HeroTarget = 1;
  Attacks::HeroAttack();
  EXPECT_EQ(State.Damage, 10);
  EXPECT_EQ(State.Enemies(1).Health, 10);
  EXPECT_EQ(State.AttackEstimate, 10);
  EXPECT_EQ(State.MagicEstimate, -1000);
  EXPECT_EQ(State.Enemies(1).Alive, rt::kTrue);  // retired only when the animation ends
  EXPECT_EQ(Form().TimerSeconds, 0);
  EXPECT_EQ(TakeTrace(), (std::vector<std::string>{
                             "frmBattle.imgHeroAttack.Top=2160",
                             "frmBattle.imgHeroAttack.Left=840",
                             "frmBattle.imgHero.Visible=False",
                             "frmBattle.imgHeroAttack.Visible=True",
                             "frmBattle.lblEnemyInfo.Visible=True",
                             "frmBattle.lblEnemyInfo.Caption=\"-10\"",
                             "frmBattle.lblEnemyInfo.Top=2040",
                             "frmBattle.lblEnemyInfo.Left=840",
                             "frmBattle.shpInfo.Visible=True",
                             "frmBattle.lblInfo.Visible=True",
                             "frmBattle.lblInfo.Caption=\"The Hero attacked Enemy 1.\"",
                             "frmBattle.tmrHeroAttack.Enabled=True",
                         }));
}

TEST_F(Combat, HeroMagicThenLeavesEnemyOneAtZeroAndTheHeroInPlace) {
  State.HeroTarget = 1;
  State.Enemies(1).Health = 10;
  Attacks::HeroMagic();
  EXPECT_EQ(State.Damage, 10);
  EXPECT_EQ(State.Enemies(1).Health, 0);
  EXPECT_EQ(State.MagicEstimate, 10);
  EXPECT_EQ(State.AttackEstimate, -1000);
  EXPECT_TRUE(Form().imgHero.Visible());
  EXPECT_EQ(TakeTrace(), (std::vector<std::string>{
                             "frmBattle.imgMagic.Top=2250",
                             "frmBattle.imgMagic.Left=650",
                             "frmBattle.imgMagic.Visible=True",
                             "frmBattle.lblEnemyInfo.Visible=True",
                             "frmBattle.lblEnemyInfo.Caption=\"-10\"",
                             "frmBattle.lblEnemyInfo.Top=2040",
                             "frmBattle.lblEnemyInfo.Left=840",
                             "frmBattle.shpInfo.Visible=True",
                             "frmBattle.lblInfo.Visible=True",
                             "frmBattle.lblInfo.Caption=\"The Hero used Magic on Enemy 1.\"",
                             "frmBattle.tmrHeroAttack.Enabled=True",
                         }));
}

TEST_F(Combat, HitsPlaceTheirPicturesRelativeToTheTargetsFractionalPosition) {
  Form().imgEnemy(3).SetLeft(120.5);
  State.HeroTarget = 3;
  Attacks::HeroMagic();
  EXPECT_EQ(Form().imgMagic.Left(), 50.5);
  EXPECT_EQ(Form().imgMagic.Top(), 1890);
  EXPECT_EQ(Form().lblEnemyInfo.Left(), 240.5);
  EXPECT_EQ(Form().lblEnemyInfo.Top(), 1680);
  EXPECT_EQ(Form().lblInfo.Caption(), "The Hero used Magic on Enemy 3.");
}

TEST_F(Combat, WeakHitsShowTheirSignAfterTheMinus) {
  State.HeroTarget = 2;
  State.Hero.Attack = 5;  // equal to the Defence
  Attacks::HeroAttack();
  EXPECT_EQ(Form().lblEnemyInfo.Caption(), "-0");
  EXPECT_EQ(State.Enemies(2).Health, 20);
  EXPECT_EQ(State.AttackEstimate, 0);

  State.Hero.Magic = 6;  // four below the MagicDef: the Enemy gains, even past its maximum
  Attacks::HeroMagic();
  EXPECT_EQ(Form().lblEnemyInfo.Caption(), "--4");
  EXPECT_EQ(State.Enemies(2).Health, 24);
  EXPECT_EQ(State.MagicEstimate, -4);

  State.Hero.Attack = 6;  // a later, weaker attack still overwrites the estimate
  State.HeroTarget = 1;
  Attacks::HeroAttack();
  EXPECT_EQ(State.AttackEstimate, 1);
}

TEST_F(Combat, CureIsCappedAtMaxHealthButShowsTheFullMagic) {
  for (auto [from, to] : {std::pair{85, 100}, {90, 100}, {70, 90}, {100, 100}}) {
    State.Hero.Health = static_cast<Int16>(from);
    Attacks::HeroCure();
    EXPECT_EQ(State.Hero.Health, to) << from;
  }
  EXPECT_EQ(Form().lblCure.Caption(), "+20");
  EXPECT_EQ(Form().lblInfo.Caption(), "Hero gained 20 using Cure.");
  EXPECT_EQ(State.CureEstimate, -1000);  // never written by a move
  TakeTrace();
  State.Hero.Magic = -5;
  Attacks::HeroCure();
  EXPECT_EQ(State.Hero.Health, 95);
  EXPECT_EQ(Form().TimerSeconds, 0);
  EXPECT_EQ(TakeTrace(), (std::vector<std::string>{
                             "frmBattle.lblCure.Top=1920",
                             "frmBattle.lblCure.Left=4440",
                             "frmBattle.lblCure.Visible=True",
                             "frmBattle.lblCure.Caption=\"+-5\"",
                             "frmBattle.imgCure.Visible=True",
                             "frmBattle.imgCure.Top=2160",
                             "frmBattle.imgCure.Left=3960",
                             "frmBattle.shpInfo.Visible=True",
                             "frmBattle.lblInfo.Visible=True",
                             "frmBattle.lblInfo.Caption=\"Hero gained -5 using Cure.\"",
                             "frmBattle.tmrCure.Enabled=True",
                         }));
}

TEST_F(Combat, EnemyTwoAttacksThenEnemyOneUsesSuicide) {
  State.Turn = 2;
  Attacks::EnemyAttack();
  EXPECT_EQ(State.Damage, 5);
  EXPECT_EQ(State.Hero.Health, 95);
  EXPECT_EQ(State.MaxEnemyDamage, 5);
  EXPECT_EQ(State.Enemies(2).Health, 20);
  EXPECT_EQ(Form().TimerSeconds, 0);
  EXPECT_EQ(TakeTrace(), (std::vector<std::string>{
                             "frmBattle.imgEnemy(2).Visible=False",
                             "frmBattle.imgEnemyAttack.Visible=True",
                             "frmBattle.imgEnemyAttack.Top=2040",
                             "frmBattle.imgEnemyAttack.Left=4200",
                             "frmBattle.lblHeroInfo.Visible=True",
                             "frmBattle.lblHeroInfo.Top=1800",
                             "frmBattle.lblHeroInfo.Left=3720",
                             "frmBattle.lblHeroInfo.Caption=\"-5\"",
                             "frmBattle.shpInfo.Visible=True",
                             "frmBattle.lblInfo.Visible=True",
                             "frmBattle.lblInfo.Caption=\"Enemy 2 attacked Hero.\"",
                             "frmBattle.tmrEnemyAttack.Enabled=True",
                         }));

  State.Turn = 1;
  Attacks::EnemySuicide();
  EXPECT_EQ(State.Damage, 20);
  EXPECT_EQ(State.Hero.Health, 75);
  EXPECT_EQ(State.Enemies(1).Health, 0);
  EXPECT_EQ(State.Enemies(1).Alive, rt::kTrue);
  EXPECT_EQ(State.MaxEnemyDamage, 20);
  EXPECT_EQ(TakeTrace(), (std::vector<std::string>{
                             "frmBattle.imgEnemy(1).Visible=False",
                             "frmBattle.imgSuicide.Visible=True",
                             "frmBattle.imgSuicide.Top=2040",
                             "frmBattle.imgSuicide.Left=3840",
                             "frmBattle.lblHeroInfo.Visible=True",
                             "frmBattle.lblHeroInfo.Top=1800",
                             "frmBattle.lblHeroInfo.Left=3720",
                             "frmBattle.lblHeroInfo.Caption=\"-20\"",
                             "frmBattle.shpInfo.Visible=True",
                             "frmBattle.lblInfo.Visible=True",
                             "frmBattle.lblInfo.Caption=\"Enemy 1 used Suicide on Hero.\"",
                             "frmBattle.tmrEnemyAttack.Enabled=True",
                         }));
  EXPECT_EQ(Form().lblHP.Caption(), "100");  // counters are redrawn when the animation ends
}

TEST_F(Combat, WeakEnemyHitsHealTheHeroAndNeverRaiseTheLargestHit) {
  State.Turn = 3;
  State.MaxEnemyDamage = 5;
  State.Hero.Defence = 18;  // three above the Attack
  Attacks::EnemyAttack();
  EXPECT_EQ(State.Hero.Health, 103);
  EXPECT_EQ(Form().lblHeroInfo.Caption(), "--3");
  EXPECT_EQ(State.MaxEnemyDamage, 5);

  State.Enemies(3).Suicide = 8;  // a suicide below the Defence heals, and still costs the Enemy
  Attacks::EnemySuicide();
  EXPECT_EQ(State.Hero.Health, 113);
  EXPECT_EQ(State.Enemies(3).Health, 0);

  State.Hero.Defence = 15;  // equal: nothing happens to the Hero
  Attacks::EnemyAttack();
  EXPECT_EQ(State.Hero.Health, 113);
  EXPECT_EQ(Form().lblHeroInfo.Caption(), "-0");
}

TEST_F(Combat, NoteEnemyDamageKeepsOnlyALargerHit) {
  State.MaxEnemyDamage = 7;
  for (int amount : {7, 0, -3, 6}) {
    IntelligentData::NoteEnemyDamage(static_cast<Int16>(amount));
    EXPECT_EQ(State.MaxEnemyDamage, 7) << amount;
  }
  IntelligentData::NoteEnemyDamage(8);
  EXPECT_EQ(State.MaxEnemyDamage, 8);
}

TEST_F(Combat, ExtremeStatisticsSaturateInsteadOfEndingTheProgram) {
  State.HeroTarget = 1;
  State.Hero.Attack = 32767;
  State.Enemies(1).Defence = -32768;
  Attacks::HeroAttack();
  EXPECT_EQ(State.Damage, 32767);
  EXPECT_EQ(State.Enemies(1).Health, -32747);

  State.Turn = 2;
  State.Enemies(2).Attack = -32768;
  State.Hero.Defence = 32767;
  State.Hero.Health = 32000;
  Attacks::EnemyAttack();
  EXPECT_EQ(State.Damage, -32768);
  EXPECT_EQ(State.Hero.Health, 32767);

  State.Hero.MaxHealth = 32767;
  State.Hero.Magic = 32767;
  Attacks::HeroCure();
  EXPECT_EQ(State.Hero.Health, 32767);
  State.Hero.Magic = -32768;
  State.Hero.Health = -100;
  Attacks::HeroCure();
  EXPECT_EQ(State.Hero.Health, -32768);
}

TEST_F(Combat, ATargetOutsideTheTableIsASubscriptError) {
  State.HeroTarget = 6;
  EXPECT_THROW(Attacks::HeroAttack(), RuntimeErrorRaised);
  State.Turn = -1;
  EXPECT_THROW(Attacks::EnemyAttack(), RuntimeErrorRaised);
}

}  // namespace
}  // namespace duelmark::testing
