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

class Settings : public Harness {
 protected:
  Settings() { Open(); }
  // The settings window as the program opens it, on a fresh runtime after the first time.
  void Open() {
    reader_ = std::make_unique<MessageReader>(Runtime(), messages_);
    frmBattleSettings().Show();
  }
  void Reopen() {
    reader_.reset();  // it lets go of the runtime that Install replaces
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
    for (const Statistic& row : kStatistics) {
      for (const auto& control : Form().Controls()) {
        if (control->Name() == row.box) texts.push_back(control->Text());
      }
    }
    texts.push_back(Form().lstNumEn.Text());
    return texts;
  }
  std::vector<std::string> messages_;
  std::unique_ptr<MessageReader> reader_;
};

TEST_F(Settings, OpensWithTheDefaultsAndTheHelpPanelParkedAndDefaultsBringThemBack) {
  std::vector<std::string> defaults;
  for (const Statistic& row : kStatistics) defaults.push_back(std::to_string(row.defaultValue));
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

TEST_F(Settings, StartBattleWithOneEnemyFillsTheStateAndSwapsTheWindows) {
  Press(Form().cmdStart);
  EXPECT_EQ(State.NumEnemies, 1);
  const HeroRecord& hero = State.Hero;
  EXPECT_EQ(
      (std::vector<int>{hero.Health, hero.MaxHealth, hero.Attack, hero.Defence, hero.Magic, hero.MagicDef, hero.Alive}),
      (std::vector<int>{100, 100, 15, 10, 20, 10, -1}));
  const EnemyRecord& one = State.Enemies(1);
  EXPECT_EQ(
      (std::vector<int>{one.Health, one.MaxHealth, one.Attack, one.Suicide, one.Defence, one.MagicDef, one.Alive}),
      (std::vector<int>{20, 20, 15, 30, 5, 10, -1}));
  // Out of the battle: only whether they live is ever read.
  for (int i = 2; i <= 5; ++i) EXPECT_EQ(State.Enemies(i).Alive, rt::kFalse) << i;
  EXPECT_TRUE(BattleShown());
  EXPECT_EQ(Runtime().FindLoaded(FrmBattleSettings::kName), nullptr);
  EXPECT_FALSE(Runtime().Ended());
  EXPECT_EQ(State.LastTurn, 1);  // the battle window's load ran after the state was filled
}

TEST_F(Settings, StartBattleWithFiveEnemiesGivesThemAllTheSameStatistics) {
  Type(Form().lstNumEn, "5");
  Type(Form().txtEHealth, " 42 ");
  Press(Form().cmdStart);
  EXPECT_EQ(State.NumEnemies, 5);
  for (int i = 1; i <= 5; ++i) {
    EXPECT_EQ(State.Enemies(i).Health, 42) << i;
    EXPECT_EQ(State.Enemies(i).MaxHealth, 42) << i;
    EXPECT_EQ(State.Enemies(i).Suicide, 30) << i;
    EXPECT_EQ(State.Enemies(i).Alive, rt::kTrue) << i;
  }
}

TEST_F(Settings, TextsAreConvertedRoundingHalvesToEven) {
  Type(Form().txtHealth, "2.5");
  Type(Form().txtAttack, "3.5");
  Type(Form().txtDefence, "-7");
  Type(Form().txtMagic, "32767");
  Type(Form().txtMagicDef, "-32768");
  Type(Form().txtEHealth, "0");
  Press(Form().cmdStart);
  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(State.Hero.Health, 2);
  EXPECT_EQ(State.Hero.MaxHealth, 2);
  EXPECT_EQ(State.Hero.Attack, 4);
  EXPECT_EQ(State.Hero.Defence, -7);
  EXPECT_EQ(State.Hero.Magic, 32767);
  EXPECT_EQ(State.Hero.MagicDef, -32768);
  EXPECT_EQ(State.Enemies(1).Health, 0);  // accepted: a living Enemy at 0 hit points
  EXPECT_EQ(State.Enemies(1).Alive, rt::kTrue);
}

// German groups thousands with "." and English with ","; neither separator is a decimal point.
TEST_F(Settings, AFractionIsWrittenWithTheLocaleSeparatorAndAThousandsSeparatorIsRefused) {
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
    EXPECT_EQ(State.Hero.Health, 100);
  }
}

TEST_F(Settings, TheFirstRefusedTextIsNamedAndNothingStarts) {
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
  EXPECT_EQ(State.NumEnemies, 0);  // untouched
  EXPECT_EQ(State.Hero.Health, 0);
  EXPECT_EQ(TakeTrace(), std::vector<std::string>{"frmBattleSettings.cmdStart_Click"});

  Type(Form().txtAttack, "12");
  Press(Form().cmdStart);
  ASSERT_EQ(messages_.size(), 2u);
  EXPECT_TRUE(messages_[1].starts_with("Enemy \"Health\" must be"));
  EXPECT_EQ(Form().Focused(), &Form().txtEHealth);

  for (const char* bad : {"", "   ", "1e3", "1,000", "&H10", "$5", "- 5"}) {
    Type(Form().txtEHealth, bad);
    Press(Form().cmdStart);
    EXPECT_FALSE(BattleShown()) << '"' << bad << '"';
  }
  Type(Form().txtESuicide, "-40000");
  Type(Form().txtEHealth, "20");
  Press(Form().cmdStart);
  EXPECT_TRUE(messages_.back().starts_with("Enemy \"Suicide Attack\" must be"));
  Type(Form().txtESuicide, "-32768.4");
  Press(Form().cmdStart);
  EXPECT_TRUE(BattleShown());
  EXPECT_EQ(State.Enemies(3).Suicide, -32768);
}

// Even with the help panel in motion: no timer is left to fire.
TEST_F(Settings, ExitAndTheTitleBarEndTheProgramAtOnce) {
  for (const bool byTitleBar : {false, true}) {
    Reopen();
    Press(Form().cmdHelp);
    AdvanceMs(200);
    if (byTitleBar) {
      Runtime().UserClose(Form());
    } else {
      Press(Form().cmdEXIT);
    }
    EXPECT_TRUE(Runtime().Ended()) << byTitleBar;
    EXPECT_EQ(Runtime().NextTimerDue(), std::nullopt) << byTitleBar;
  }
}

class HelpPanel : public Settings {
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

TEST_F(HelpPanel, PressesNeverStartASecondMotion) {
  Press(Form().cmdClose);  // hidden: nothing
  EXPECT_FALSE(Closing());
  EXPECT_EQ(Top(), 6360);

  Press(Form().cmdHelp);
  Ticks(5);
  Press(Form().cmdHelp);  // opening: nothing
  Ticks(1);
  EXPECT_EQ(Top(), 6360 - 6 * 250);
  Press(Form().cmdClose);  // opening: turn round, downward
  EXPECT_FALSE(Opening());
  EXPECT_TRUE(Closing());
  Ticks(3);
  EXPECT_EQ(Top(), 6360 - 3 * 250);
  Press(Form().cmdClose);  // closing: nothing
  Press(Form().cmdHelp);   // closing: turn round, upward
  EXPECT_TRUE(Opening());
  EXPECT_FALSE(Closing());
  Ticks(19);
  EXPECT_EQ(Top(), 720);
  EXPECT_FALSE(Opening());

  Press(Form().cmdHelp);  // open: nothing
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
// never leaves its rail and comes to rest where the last press sends it.
TEST_F(HelpPanel, EveryTimingOfPressesComesToRestWithBothTimersOff) {
  int tried = 0;
  for (const bool startOpen : {false, true}) {
    for (int presses = 2; presses <= 3; ++presses) {
      const int stepMs = presses == 2 ? 5 : 40;  // 40 ms meets the 50-ms ticks at every 10-ms phase
      const int gaps = 1200 / stepMs + 1;
      for (int buttons = 0; buttons < (1 << presses); ++buttons) {
        for (int gapCode = 0; gapCode < (presses == 2 ? gaps : gaps * gaps); ++gapCode) {
          reader_.reset();
          Install(std::make_unique<ScriptedRandom>());
          Runtime().SetTraceSink({});
          Open();
          if (startOpen) {
            Press(Form().cmdHelp);
            Ticks(22);
          }
          const std::string scenario = "open " + std::to_string(startOpen) + ", buttons " + std::to_string(buttons) +
                                       ", gaps " + std::to_string(gapCode);
          bool lastIsHelp = false;
          for (int press = 0, code = gapCode; press < presses; ++press) {
            if (press > 0) {
              AdvanceMs(stepMs * (code % gaps));
              code /= gaps;
            }
            lastIsHelp = (buttons >> press & 1) != 0;
            Press(lastIsHelp ? Form().cmdHelp : Form().cmdClose);
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
  Ticks(4);
  Type(Form().txtMagic, "x");
  Press(Form().cmdDefaults);
  EXPECT_EQ(Form().txtMagic.Text(), "20");
  EXPECT_TRUE(Opening());
  Ticks(18);
  EXPECT_EQ(Top(), 720);
}

}  // namespace
}  // namespace duelmark::testing
