// Whole battles in virtual time, seen as a watcher would see them.
#include <algorithm>

#include "FrmBattle.h"
#include "FrmEnd.h"
#include "Harness.h"

namespace duelmark::testing {
namespace {

class BattleFlow : public Harness {
 protected:
  void Open(int enemies) { OpenBattle(enemies).Show(); }
  void Start() { Runtime().Click(frmBattle().cmdStart); }
  void At(std::int64_t ms) { rt::AdvanceTo(Runtime(), *clock_, rt::Milliseconds(ms)); }
  FrmBattle& Form() { return frmBattle(); }
  bool EndWindowShown() {
    const rt::Window* end = Runtime().FindLoaded(FrmEnd::kName);
    return end && end->Visible();
  }
  int Count(const std::vector<std::string>& lines, const std::string& line) {
    return static_cast<int>(std::count(lines.begin(), lines.end(), line));
  }
};

TEST_F(BattleFlow, ABattleLostToAnAttackThatLeavesTheHeroAtExactlyZero) {
  Open(1);
  State().Hero.Health = State().Hero.MaxHealth = 5;
  Draws({0.0f});
  Start();
  Draws({0.5f});
  At(7000);  // Enemy 1 attacks: 15 - 10 = 5
  EXPECT_EQ(State().Hero.Health, 0);
  EXPECT_EQ(State().BattleEnded, rt::kFalse);
  At(10000);
  EXPECT_EQ(State().BattleEnded, rt::kTrue);
  EXPECT_EQ(Form().lblHP.Caption(), "0");
  EXPECT_TRUE(Form().imgEnemy(1).Visible());
  EXPECT_FALSE(Form().tmrPause.Enabled());
  At(16000);
  ASSERT_TRUE(EndWindowShown());
  EXPECT_EQ(frmEnd().lblEnd.Caption(), "The Enemies have defeated the Hero.");
  EXPECT_EQ(frmEnd().lblTotal.Caption(), "Total moves = 2");
  EXPECT_EQ(frmEnd().lblEnemy.Caption(), "Enemy moves = 1");
}

TEST_F(BattleFlow, ADoubleDefeatReportsTheHerosAndCountsDownOnce) {
  Open(1);
  State().Hero.Health = State().Hero.MaxHealth = 20;
  Draws({0.0f});
  Start();  // Enemy 1: 20 -> 10
  Draws({0.9f});
  At(7000);  // suicide: 30 - 10 = 20 takes the Hero to 0
  EXPECT_EQ(Form().lblInfo.Caption(), "Enemy 1 used Suicide on Hero.");
  TakeTrace();
  At(10000);
  const auto trace = TakeTrace();
  EXPECT_EQ(Count(trace, "frmEnd.Form_Load"), 1);
  EXPECT_EQ(frmEnd().lblEnd.Caption(), "The Enemies have defeated the Hero.");
  EXPECT_EQ(Count(trace, "frmEnd.lblEnd.Caption=\"The Hero has defeated all Enemies.\""), 1);
  EXPECT_FALSE(Form().imgEnemy(1).Visible());  // retired in the same tick: it never reappears
  At(11000);
  EXPECT_EQ(Form().lblInfo.Caption(), "The Battle is Over.  End in 5 seconds.");
  At(15999);
  EXPECT_EQ(Count(TakeTrace(), "frmBattle.tmrEnd_Timer"), 5);
  At(16000);
  EXPECT_TRUE(EndWindowShown());
  EXPECT_EQ(frmEnd().lblTotal.Caption(), "Total moves = 2");
}

TEST_F(BattleFlow, TheLastEnemysSuicideWinsTheBattleForAHeroItLeavesStanding) {
  Open(1);
  Draws({0.0f});
  Start();  // Enemy 1: 20 -> 10
  Draws({0.9f});
  At(7000);  // suicide: the Hero 100 -> 80, and Enemy 1 falls
  EXPECT_EQ(State().Hero.Health, 80);
  At(16000);
  ASSERT_TRUE(EndWindowShown());
  EXPECT_EQ(frmEnd().lblEnd.Caption(), "The Hero has defeated all Enemies.");
}

TEST_F(BattleFlow, ACureAlwaysLeadsToThePauseEvenAtZeroHitPoints) {
  Open(1);
  State().Hero.Health = -10;
  State().Hero.Magic = 10;
  Draws({0.0f});
  Start();
  EXPECT_EQ(Form().lblInfo.Caption(), "Hero gained 10 using Cure.");
  EXPECT_EQ(Form().lblCure.Top(), 1920);
  At(3000);
  EXPECT_EQ(Form().lblCure.Top(), 1320);
  EXPECT_FALSE(Form().lblCure.Visible());
  EXPECT_FALSE(Form().imgCure.Visible());
  EXPECT_EQ(Form().lblHP.Caption(), "0");
  EXPECT_EQ(State().BattleEnded, rt::kFalse);
  EXPECT_TRUE(Form().tmrPause.Enabled());
}

TEST_F(BattleFlow, ClosingTheBattleWindowEndsTheProgramAtOnce) {
  Open(1);
  State().Enemies(1).Health = 10;
  Draws({0.0f});
  Start();
  At(3000);  // the end window now exists, hidden
  ASSERT_NE(Runtime().FindLoaded(FrmEnd::kName), nullptr);
  Runtime().UserClose(Form());
  EXPECT_TRUE(Runtime().Ended());
  TakeTrace();
  At(20000);
  EXPECT_TRUE(TakeTrace().empty());
}

}  // namespace
}  // namespace duelmark::testing
