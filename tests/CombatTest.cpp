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
}

// What each move writes, in order: its picture, the floating figure, then the message and the
// timer that animates the move. Each is made with the defaults against three Enemies, by or
// on the Enemy named.
struct MoveWrites {
  const char* name;
  void (*move)();
  Int16 enemy;
  std::vector<std::string> pictureAndFigure;
  std::string message;
  std::string timer;
};

const MoveWrites kMoveWrites[] = {
    {"HeroAttack",
     Attacks::HeroAttack,
     1,
     {"imgHeroAttack.Top=2160", "imgHeroAttack.Left=840", "imgHero.Visible=False", "imgHeroAttack.Visible=True",
      "lblEnemyInfo.Visible=True", R"(lblEnemyInfo.Caption="-10")", "lblEnemyInfo.Top=2040", "lblEnemyInfo.Left=840"},
     "The Hero attacked Enemy 1.",
     "tmrHeroAttack"},
    {"HeroMagic",
     Attacks::HeroMagic,
     1,
     {"imgMagic.Top=2250", "imgMagic.Left=650", "imgMagic.Visible=True", "lblEnemyInfo.Visible=True",
      R"(lblEnemyInfo.Caption="-10")", "lblEnemyInfo.Top=2040", "lblEnemyInfo.Left=840"},
     "The Hero used Magic on Enemy 1.",
     "tmrHeroAttack"},
    {"HeroCure",
     Attacks::HeroCure,
     1,
     {"lblCure.Top=1920", "lblCure.Left=4440", "lblCure.Visible=True", R"(lblCure.Caption="+20")",
      "imgCure.Visible=True", "imgCure.Top=2160", "imgCure.Left=3960"},
     "Hero gained 20 using Cure.",
     "tmrCure"},
    {"EnemyAttack",
     Attacks::EnemyAttack,
     2,
     {"imgEnemy(2).Visible=False", "imgEnemyAttack.Visible=True", "imgEnemyAttack.Top=2040", "imgEnemyAttack.Left=4200",
      "lblHeroInfo.Visible=True", "lblHeroInfo.Top=1800", "lblHeroInfo.Left=3720", R"(lblHeroInfo.Caption="-5")"},
     "Enemy 2 attacked Hero.",
     "tmrEnemyAttack"},
    {"EnemySuicide",
     Attacks::EnemySuicide,
     1,
     {"imgEnemy(1).Visible=False", "imgSuicide.Visible=True", "imgSuicide.Top=2040", "imgSuicide.Left=3840",
      "lblHeroInfo.Visible=True", "lblHeroInfo.Top=1800", "lblHeroInfo.Left=3720", R"(lblHeroInfo.Caption="-20")"},
     "Enemy 1 used Suicide on Hero.",
     "tmrEnemyAttack"},
};

class EveryMove : public Combat, public ::testing::WithParamInterface<MoveWrites> {};

TEST_P(EveryMove, WritesItsPictureFigureMessageAndTimerInOrderAndRestartsTheTickCount) {
  const MoveWrites& move = GetParam();
  State.HeroTarget = State.Turn = move.enemy;
  move.move();
  std::vector<std::string> expected;
  for (const std::string& write : move.pictureAndFigure) expected.push_back("frmBattle." + write);
  for (const std::string& write : {std::string("shpInfo.Visible=True"), std::string("lblInfo.Visible=True"),
                                   "lblInfo.Caption=\"" + move.message + "\"", move.timer + ".Enabled=True"}) {
    expected.push_back("frmBattle." + write);
  }
  EXPECT_EQ(TakeTrace(), expected);
  EXPECT_EQ(Form().TimerSeconds, 0);
}

INSTANTIATE_TEST_SUITE_P(Combat, EveryMove, ::testing::ValuesIn(kMoveWrites),
                         [](const ::testing::TestParamInfo<MoveWrites>& row) { return row.param.name; });

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
  State.Hero.Magic = -5;
  Attacks::HeroCure();
  EXPECT_EQ(State.Hero.Health, 95);
  EXPECT_EQ(Form().lblCure.Caption(), "+-5");
}

TEST_F(Combat, EnemyTwoAttacksThenEnemyOneUsesSuicide) {
  State.Turn = 2;
  Attacks::EnemyAttack();
  EXPECT_EQ(State.Damage, 5);
  EXPECT_EQ(State.Hero.Health, 95);
  EXPECT_EQ(State.MaxEnemyDamage, 5);
  EXPECT_EQ(State.Enemies(2).Health, 20);

  State.Turn = 1;
  Attacks::EnemySuicide();
  EXPECT_EQ(State.Damage, 20);
  EXPECT_EQ(State.Hero.Health, 75);
  EXPECT_EQ(State.Enemies(1).Health, 0);
  EXPECT_EQ(State.Enemies(1).Alive, rt::kTrue);
  EXPECT_EQ(State.MaxEnemyDamage, 20);
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
