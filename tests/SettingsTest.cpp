#include "FrmBattle.h"
#include "FrmBattleSettings.h"
#include "Harness.h"
#include "TabOrder.h"

namespace duelmark::testing {
namespace {

TEST(SettingsWindowTab, VisitsTheBoxesFromMagicDefThenTheButtons) {
  FrmBattleSettings form;
  std::vector<std::string> names;
  for (const rt::Control* control : rt::TabOrder(form)) names.push_back(control->Name());
  EXPECT_EQ(names, (std::vector<std::string>{"txtMagicDef", "txtMagic", "txtAttack", "txtDefence", "txtHealth",
                                             "txtEHealth", "txtEAttack", "txtEDefence", "txtESuicide", "txtEMagDef",
                                             "cmdEXIT", "cmdStart", "lstNumEn", "cmdDefaults", "cmdHelp", "cmdClose"}));
}

class SettingsWindow : public Harness {
 protected:
  SettingsWindow() { Open(); }
  // The settings window as the program opens it, on a fresh runtime after the first time.
  void Open() { frmBattleSettings().Show(); }
  void Reopen() {
    Install(std::make_unique<ScriptedRandom>());
    Open();
  }
  FrmBattleSettings& Form() { return frmBattleSettings(); }
  void Type(rt::Control& box, const std::string& text) { Runtime().UserEdit(box, text); }
  void Press(rt::Control& button) { Runtime().Click(button); }
  bool BattleShown() {
    const rt::Window* battle = Runtime().FindLoaded(FrmBattle::kName);
    return battle && battle->Visible();
  }
  // The statistics' boxes in the table's order, then the number of Enemies.
  std::vector<std::string> Texts() {
    std::vector<std::string> texts;
    for (const StatisticRow& row : kStatisticRows) {
      for (const auto& control : Form().Controls()) {
        if (control->Name() == row.box) texts.push_back(control->Text());
      }
    }
    texts.push_back(Form().lstNumEn.Text());
    return texts;
  }
};

TEST_F(SettingsWindow, OpensWithTheDefaultsAndTheHelpPanelParkedAndDefaultsBringThemBack) {
  std::vector<std::string> defaults;
  for (const Statistic& statistic : kStatistics) defaults.push_back(std::to_string(statistic.defaultValue));
  defaults.push_back("1");
  EXPECT_EQ(Texts(), defaults);
  EXPECT_EQ(Form().lstNumEn.ListIndex(), 0);
  EXPECT_FALSE(Form().fraHelp.Visible());
  EXPECT_EQ(Runtime().NextTimerDue(), std::nullopt);
  Type(Form().txtAttack, "lots");
  Type(Form().txtEHealth, "");
  Type(Form().lstNumEn, "4");
  EXPECT_EQ(Form().lstNumEn.Text(), "4");
  Press(Form().cmdDefaults);
  EXPECT_EQ(Texts(), defaults);
}

// Each box's number, blanks around it and rounded half to even, lands in its statistic, the
// Hero's or every Enemy's in the battle alike; a health is its maximum too.
TEST_F(SettingsWindow, StartBattleFillsEachStatisticFromItsBoxAndSwapsTheWindows) {
  Type(Form().lstNumEn, "4");
  for (std::size_t i = 0; i < kStatistics.size(); ++i)
    Type(Form().StatisticBox(i), " " + std::to_string(10 * i) + ".5 ");
  Press(Form().cmdStart);
  ASSERT_TRUE(BattleShown());
  EXPECT_EQ(Runtime().FindLoaded(FrmBattleSettings::kName), nullptr);
  EXPECT_EQ(State().NumEnemies, 4);
  EXPECT_EQ(State().LastTurn, 4);  // the battle window's load ran after the state was filled
  for (std::size_t i = 0; i < kStatistics.size(); ++i) {
    const Statistic& row = kStatistics[i];
    for (int enemy = 1; enemy <= 4; ++enemy) {
      const Int16 stored = row.heroMember ? State().Hero.*row.heroMember : State().Enemies(enemy).*row.enemyMember;
      EXPECT_EQ(stored, 10 * static_cast<int>(i)) << kStatisticRows[i].box << " " << enemy;
    }
  }
  EXPECT_EQ(State().Hero.MaxHealth, State().Hero.Health);
  EXPECT_EQ(State().Hero.Alive, rt::kTrue);
  for (int enemy = 1; enemy <= 5; ++enemy) {
    EXPECT_EQ(State().Enemies(enemy).MaxHealth, State().Enemies(enemy).Health) << enemy;
    EXPECT_EQ(State().Enemies(enemy).Alive, rt::Flag(enemy <= 4)) << enemy;
  }
}

// German groups thousands with "." and English with ","; neither separator is a decimal point.
TEST_F(SettingsWindow, AFractionIsWrittenWithTheLocaleSeparatorAndAThousandsSeparatorIsRefused) {
  for (const rt::NumberFormat format : {rt::NumberFormat{',', '.'}, rt::NumberFormat{'.', ','}}) {
    const std::string point(1, format.decimal), group(1, format.group);
    Reopen();  // afresh after the launch before
    Runtime().SetNumberFormat(format);
    Type(Form().txtHealth, "1" + group + "000");
    Press(Form().cmdStart);
    ASSERT_FALSE(BattleShown()) << point;
    EXPECT_EQ(messages_.back(), "Hero \"Health\" must be a number from -32768 to 32767.\nA fraction, written with \"" +
                                    point + "\", is rounded to the nearest whole number.");
    Type(Form().txtHealth, "99" + point + "5");
    Press(Form().cmdStart);
    ASSERT_TRUE(BattleShown()) << point;
    EXPECT_EQ(State().Hero.Health, 100);
  }
}

TEST_F(SettingsWindow, TheFirstRefusedTextIsNamedAndNothingStarts) {
  Type(Form().txtAttack, "12abc");
  Type(Form().txtEHealth, "32768");
  Type(Form().lstNumEn, "3");
  TakeTrace();
  Press(Form().cmdStart);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0],
            "Hero \"Attack\" must be a number from -32768 to 32767.\n"
            "A fraction, written with \".\", is rounded to the nearest whole number.");
  EXPECT_EQ(Form().Focused(), &Form().txtAttack);
  EXPECT_EQ(Runtime().FindLoaded(FrmBattle::kName), nullptr);
  EXPECT_TRUE(Form().Visible());
  EXPECT_EQ(Form().txtAttack.Text(), "12abc");
  EXPECT_EQ(Form().txtEHealth.Text(), "32768");
  EXPECT_EQ(TakeTrace(), std::vector<std::string>{"frmBattleSettings.cmdStart_Click"});

  Type(Form().txtAttack, "12");
  Press(Form().cmdStart);
  ASSERT_EQ(messages_.size(), 2u);
  EXPECT_TRUE(messages_[1].starts_with("Enemy \"Health\" must be"));
  EXPECT_EQ(Form().Focused(), &Form().txtEHealth);
}

// Even with the help panel in motion: no timer is left to fire.
TEST_F(SettingsWindow, ExitAndTheTitleBarEndTheProgramAtOnce) {
  for (const bool byTitleBar : {false, true}) {
    Reopen();
    Press(Form().cmdHelp);
    AdvanceMs(100);  // the panel rises, still below the buttons' tops
    if (byTitleBar) {
      Runtime().UserClose(Form());
    } else {
      Press(Form().cmdEXIT);
    }
    EXPECT_TRUE(Runtime().Ended()) << byTitleBar;
    EXPECT_EQ(Runtime().NextTimerDue(), std::nullopt) << byTitleBar;
  }
}

class HelpPanel : public SettingsWindow {
 protected:
  double Top() { return Form().fraHelp.Top(); }
  bool Opening() { return Form().tmrHelp.Enabled(); }
  bool Closing() { return Form().tmrClose.Enabled(); }
  void Ticks(int count) { AdvanceMs(50 * count); }
};

TEST_F(HelpPanel, OpensInTwentyTwoTicksAndJumpsFromTheRailToRest) {
  Press(Form().cmdHelp);
  EXPECT_TRUE(Form().fraHelp.Visible());
  EXPECT_TRUE(Opening());
  Ticks(1);
  EXPECT_EQ(Top(), 6110);
  Ticks(20);
  EXPECT_EQ(Top(), 1110);
  TakeTrace();
  Ticks(1);
  EXPECT_EQ(TakeTrace(),
            (std::vector<std::string>{"frmBattleSettings.tmrHelp_Timer", "frmBattleSettings.fraHelp.Top=860",
                                      "frmBattleSettings.fraHelp.Top=720", "frmBattleSettings.tmrHelp.Enabled=False"}));
  EXPECT_FALSE(Opening());
  Ticks(10);
  EXPECT_EQ(Top(), 720);
}

TEST_F(HelpPanel, ClosesInTwentyTwoTicksAndStaysVisibleParked) {
  Press(Form().cmdHelp);
  Ticks(22);
  Press(Form().cmdClose);
  EXPECT_EQ(Top(), 860);
  Ticks(21);
  EXPECT_EQ(Top(), 6110);
  EXPECT_TRUE(Closing());
  Ticks(1);
  EXPECT_EQ(Top(), 6360);
  EXPECT_FALSE(Closing());
  EXPECT_TRUE(Form().fraHelp.Visible());
  Press(Form().cmdHelp);  // opens again exactly as the first time
  Ticks(22);
  EXPECT_EQ(Top(), 720);
  EXPECT_FALSE(Opening());
}

// At rest the panel covers the fifteen controls below it: the keyboard cannot reach them, and
// the focus on Help goes on to Close, which the panel shows, and back to Help once it uncovers
// Help again on its way down.
TEST_F(HelpPanel, CoversTheControlsBelowItWhichTheFocusLeavesForCloseAndComesBackTo) {
  Form().Show();
  Runtime().UserFocused(Form().cmdHelp);
  Press(Form().cmdHelp);
  Ticks(22);
  std::vector<std::string> reachable, covered;
  for (const rt::Control* control : rt::TabOrder(Form())) {
    (rt::CanTakeFocus(*control) ? reachable : covered).push_back(control->Name());
  }
  EXPECT_EQ(reachable, std::vector<std::string>{"cmdClose"});
  EXPECT_EQ(covered.size(), 15u);
  EXPECT_TRUE(Form().Covered(Form().Frame1)) << "a frame with all it holds";
  EXPECT_FALSE(Form().Covered(Form().Label1)) << "the title above the panel";
  EXPECT_EQ(Form().Focused(), &Form().cmdClose);
  Press(Form().cmdClose);
  Ticks(19);
  EXPECT_EQ(Form().Focused(), &Form().cmdClose) << "Help still covered at " << Top();
  Ticks(1);
  EXPECT_FALSE(Form().Covered(Form().cmdHelp));
  EXPECT_EQ(Form().Focused(), &Form().cmdHelp);
}

TEST_F(HelpPanel, PressesNeverStartASecondMotion) {
  Press(Form().cmdClose);  // hidden: nothing
  EXPECT_FALSE(Closing());
  EXPECT_EQ(Top(), 6360);

  // Help can be pressed until the rising panel covers it, after its second step.
  Press(Form().cmdHelp);
  Ticks(1);
  Press(Form().cmdHelp);  // opening: nothing
  Ticks(1);
  EXPECT_EQ(Top(), 6360 - 2 * 250);
  Press(Form().cmdClose);  // opening: turn round, downward
  EXPECT_FALSE(Opening());
  EXPECT_TRUE(Closing());
  Ticks(1);
  EXPECT_EQ(Top(), 6360 - 250);
  Press(Form().cmdClose);  // closing: nothing
  Press(Form().cmdHelp);   // closing: turn round, upward
  EXPECT_TRUE(Opening());
  EXPECT_FALSE(Closing());
  Ticks(22);
  EXPECT_EQ(Top(), 720);
  EXPECT_FALSE(Opening());

  Press(Form().cmdHelp);  // open, and covered: nothing
  Ticks(10);
  EXPECT_EQ(Top(), 720);
  Press(Form().cmdClose);
  Ticks(22);
  Press(Form().cmdClose);  // parked: nothing
  Ticks(10);
  EXPECT_EQ(Top(), 6360);
  EXPECT_FALSE(Opening());
  EXPECT_FALSE(Closing());
}

// Two or three presses of Help and Close at every moment, from parked or open: the panel
// never leaves its rail and comes to rest where the last press that reached its button sends
// it (the moving panel covers Help for most of its way).
TEST_F(HelpPanel, EveryTimingOfPressesComesToRestWithBothTimersOff) {
  int tried = 0;
  for (const bool startOpen : {false, true}) {
    for (int presses = 2; presses <= 3; ++presses) {
      const int stepMs = presses == 2 ? 5 : 40;  // 40 ms meets the 50-ms ticks at every 10-ms phase
      const int gaps = 1200 / stepMs + 1;
      for (int buttons = 0; buttons < (1 << presses); ++buttons) {
        for (int gapCode = 0; gapCode < (presses == 2 ? gaps : gaps * gaps); ++gapCode) {
          Reopen();
          Runtime().SetTraceSink({});
          if (startOpen) {
            Press(Form().cmdHelp);
            Ticks(22);
          }
          const std::string scenario = "open " + std::to_string(startOpen) + ", buttons " + std::to_string(buttons) +
                                       ", gaps " + std::to_string(gapCode);
          bool lastIsHelp = startOpen;
          for (int press = 0, code = gapCode; press < presses; ++press) {
            if (press > 0) {
              AdvanceMs(stepMs * (code % gaps));
              code /= gaps;
            }
            const bool help = (buttons >> press & 1) != 0;
            rt::Control& button = help ? Form().cmdHelp : Form().cmdClose;
            if (Runtime().UserCanReach(button)) lastIsHelp = help;
            Press(button);
            ASSERT_TRUE(Top() >= 720 && Top() <= 6360) << scenario;
          }
          Ticks(23);
          ASSERT_EQ(Top(), lastIsHelp ? 720 : 6360) << scenario;
          ASSERT_FALSE(Opening() || Closing()) << scenario;
          ++tried;
        }
      }
    }
  }
  RecordProperty("timings", tried);
}

TEST_F(HelpPanel, DefaultsDuringAMotionLeaveItRunning) {
  Press(Form().cmdHelp);
  Ticks(2);
  Type(Form().txtMagic, "x");
  Press(Form().cmdDefaults);
  EXPECT_EQ(Form().txtMagic.Text(), "20");
  EXPECT_TRUE(Opening());
  Ticks(20);
  EXPECT_EQ(Top(), 720);
}

}  // namespace
}  // namespace duelmark::testing
