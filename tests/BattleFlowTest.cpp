// Whole battles in virtual time, seen as a watcher would see them.
#include <algorithm>

#include "FrmBattle.h"
#include "FrmEnd.h"
#include "Harness.h"

namespace duelmark::testing {
namespace {

class BattleFlow : public Harness {
 protected:
  void Open(int enemies) {
    FillDefaults(enemies);
    frmBattle().Show();
  }
  void Start() { Runtime().Click(frmBattle().cmdStart); }
  void At(std::int64_t ms) { rt::AdvanceTo(Runtime(), *clock_, rt::Milliseconds(ms)); }
  FrmBattle& Form() { return frmBattle(); }
  bool BattleWindowOpen() { return Runtime().FindLoaded(FrmBattle::kName) != nullptr; }
  bool EndWindowShown() {
    const rt::Window* end = Runtime().FindLoaded(FrmEnd::kName);
    return end && end->Visible();
  }
  int Count(const std::vector<std::string>& lines, const std::string& line) {
    return static_cast<int>(std::count(lines.begin(), lines.end(), line));
  }
};

TEST_F(BattleFlow, OpensIdleAndStartMakesTheHerosFirstMoveAtOnce) {
  Open(3);
  At(10000);
  EXPECT_EQ(Runtime().NextTimerDue(), std::nullopt);
  EXPECT_EQ(State.HeroMoves, 0);
  Draws({0.0f});
  Start();
  EXPECT_FALSE(Form().cmdStart.Enabled());
  EXPECT_EQ(Form().cmdStart.Caption(), "Simulator is running. Please pay attention.");
  EXPECT_EQ(Form().lblInfo.Caption(), "The Hero attacked Enemy 1.");
  EXPECT_TRUE(Form().tmrHeroAttack.Enabled());
  Runtime().Click(Form().cmdStart);  // a disabled button takes no second press
  EXPECT_EQ(State.HeroMoves, 1);
}

TEST_F(BattleFlow, ATypicalMoveFromPauseToPause) {
  Open(3);
  Draws({0.0f});
  Start();  // the Hero attacks Enemy 1: 20 -> 10
  At(2950);
  EXPECT_EQ(Form().lblEnemyInfo.Top(), 2040 - 590);
  EXPECT_TRUE(Form().imgHeroAttack.Visible());
  EXPECT_FALSE(Form().imgHero.Visible());
  EXPECT_EQ(Form().lblEnemyHP(1).Caption(), "20");
  At(3000);  // the 60th tick clears the move and redraws
  EXPECT_EQ(Form().lblEnemyInfo.Top(), 2040 - 600);
  EXPECT_FALSE(Form().lblEnemyInfo.Visible());
  EXPECT_FALSE(Form().imgHeroAttack.Visible());
  EXPECT_TRUE(Form().imgHero.Visible());
  EXPECT_FALSE(Form().shpInfo.Visible());
  EXPECT_EQ(Form().lblEnemyHP(1).Caption(), "10");
  EXPECT_TRUE(Form().tmrPause.Enabled());
  EXPECT_FALSE(Form().lblNext.Visible());

  for (auto [ms, seconds] : {std::pair{4000, "3"}, {5000, "2"}, {6000, "1"}}) {
    At(ms);
    EXPECT_TRUE(Form().lblNext.Visible()) << ms;
    EXPECT_TRUE(Form().lblSeconds.Visible()) << ms;
    EXPECT_EQ(Form().lblSeconds.Caption(), seconds) << ms;
    EXPECT_TRUE(Form().imgHeroArrow.Visible()) << ms;  // the arrow stays on the one who moved
  }
  Draws({0.4f});
  At(7000);  // NextTurn: Enemy 1 draws 0.4 and attacks
  EXPECT_FALSE(Form().lblNext.Visible());
  EXPECT_FALSE(Form().tmrPause.Enabled());
  EXPECT_EQ(State.Turn, 1);
  EXPECT_EQ(Form().imgEnemyArrow.Left(), 770);
  EXPECT_EQ(Form().imgEnemyArrow.Top(), 2100);
  EXPECT_EQ(State.Hero.Health, 95);
  EXPECT_FALSE(Form().imgEnemy(1).Visible());
  EXPECT_TRUE(Form().imgEnemyAttack.Visible());
  EXPECT_EQ(Form().lblHeroInfo.Caption(), "-5");
  EXPECT_EQ(Form().lblInfo.Caption(), "Enemy 1 attacked Hero.");
  EXPECT_EQ(Form().lblHP.Caption(), "100");
  At(9950);
  EXPECT_EQ(Form().lblHeroInfo.Top(), 1210);
  At(10000);
  EXPECT_EQ(Form().lblHeroInfo.Top(), 1200);
  EXPECT_EQ(Form().lblHP.Caption(), "95");
  EXPECT_TRUE(Form().imgEnemy(1).Visible());
  EXPECT_FALSE(Form().imgEnemyAttack.Visible());
  EXPECT_TRUE(Form().tmrPause.Enabled());
  Draws({0.4f});
  At(14000);
  EXPECT_EQ(State.Turn, 2);
  EXPECT_EQ(Form().lblInfo.Caption(), "Enemy 2 attacked Hero.");
  EXPECT_EQ(State.EnemyMoves, 2);
}

TEST_F(BattleFlow, ABattleWonByTheOpeningAttack) {
  Open(1);
  State.Enemies(1).Health = 3;  // the hit of 10 takes it to -7
  Draws({0.0f});
  Start();
  At(3000);
  EXPECT_EQ(State.BattleEnded, rt::kTrue);
  EXPECT_EQ(State.EnemiesAlive, 0);
  EXPECT_FALSE(Form().tmrPause.Enabled());
  EXPECT_TRUE(Form().tmrEnd.Enabled());
  EXPECT_FALSE(Form().imgEnemy(1).Visible());
  EXPECT_EQ(Form().lblEnemyHP(1).Caption(), "0");  // never below 0
  // The last move's message stays one more second on the info box.
  EXPECT_TRUE(Form().shpInfo.Visible());
  EXPECT_EQ(Form().lblInfo.Caption(), "The Hero attacked Enemy 1.");
  const char* countdown[] = {"5", "4", "3", "2", "1"};
  for (int second = 1; second <= 5; ++second) {
    At(3000 + 1000 * second);
    EXPECT_EQ(Form().lblInfo.Caption(),
              std::string("The Battle is Over.  End in ") + countdown[second - 1] + " seconds.");
    EXPECT_FALSE(EndWindowShown());
  }
  At(8999);
  EXPECT_TRUE(BattleWindowOpen());
  At(9000);
  EXPECT_FALSE(BattleWindowOpen());
  ASSERT_TRUE(EndWindowShown());
  EXPECT_EQ(frmEnd().lblEnd.Caption(), "The Hero has defeated all Enemies.");
  EXPECT_EQ(frmEnd().lblTotal.Caption(), "Total moves = 1");
  EXPECT_EQ(frmEnd().lblHero.Caption(), "Hero moves = 1");
  EXPECT_EQ(frmEnd().lblEnemy.Caption(), "Enemy moves = 0");
  EXPECT_EQ(Runtime().NextTimerDue(), std::nullopt);
  EXPECT_FALSE(Runtime().Ended());
  Runtime().UserClose(frmEnd());  // the last window: the program ends
  EXPECT_TRUE(Runtime().Ended());
}

TEST_F(BattleFlow, ABattleLostToAnAttackThatLeavesTheHeroAtExactlyZero) {
  Open(1);
  State.Hero.Health = State.Hero.MaxHealth = 5;
  Draws({0.0f});
  Start();
  Draws({0.5f});
  At(7000);  // Enemy 1 attacks: 15 - 10 = 5
  EXPECT_EQ(State.Hero.Health, 0);
  EXPECT_EQ(State.BattleEnded, rt::kFalse);
  At(10000);
  EXPECT_EQ(State.BattleEnded, rt::kTrue);
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
  State.Hero.Health = State.Hero.MaxHealth = 20;
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
  At(16000);
  ASSERT_TRUE(EndWindowShown());
  EXPECT_EQ(State.Hero.Health, 80);
  EXPECT_EQ(frmEnd().lblEnd.Caption(), "The Hero has defeated all Enemies.");
}

TEST_F(BattleFlow, ACureAlwaysLeadsToThePauseEvenAtZeroHitPoints) {
  Open(1);
  State.Hero.Health = -10;
  State.Hero.Magic = 10;
  Draws({0.0f});
  Start();
  EXPECT_EQ(Form().lblInfo.Caption(), "Hero gained 10 using Cure.");
  EXPECT_EQ(Form().lblCure.Top(), 1920);
  At(3000);
  EXPECT_EQ(Form().lblCure.Top(), 1320);
  EXPECT_FALSE(Form().lblCure.Visible());
  EXPECT_FALSE(Form().imgCure.Visible());
  EXPECT_EQ(Form().lblHP.Caption(), "0");
  EXPECT_EQ(State.BattleEnded, rt::kFalse);
  EXPECT_TRUE(Form().tmrPause.Enabled());
}

TEST_F(BattleFlow, WithOneEnemyTurnsAlternate) {
  Open(1);
  State.Enemies(1).Health = State.Enemies(1).MaxHealth = 1000;
  Draws({0.0f});
  Start();
  std::vector<int> turns;
  for (int move = 1; move <= 4; ++move) {
    Draws({0.0f, 0.0f});
    At(7000 * move);
    turns.push_back(State.Turn);
  }
  EXPECT_EQ(turns, (std::vector<int>{1, 0, 1, 0}));
}

TEST_F(BattleFlow, RetiringOneOfSeveralEnemiesLetsTheBattleGoOn) {
  Open(2);
  State.Enemies(1).Health = 10;
  Draws({0.0f});
  Start();
  At(3000);
  EXPECT_EQ(State.Enemies(1).Alive, rt::kFalse);
  EXPECT_EQ(State.EnemiesAlive, 1);
  EXPECT_EQ(State.BattleEnded, rt::kFalse);
  EXPECT_TRUE(Form().tmrPause.Enabled());
  EXPECT_FALSE(Form().tmrEnd.Enabled());
  Draws({0.4f});
  At(7000);  // the turn passes over the fallen Enemy 1 to Enemy 2
  EXPECT_EQ(State.Turn, 2);
}

TEST_F(BattleFlow, ClosingTheBattleWindowEndsTheProgramAtOnce) {
  Open(1);
  State.Enemies(1).Health = 10;
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
