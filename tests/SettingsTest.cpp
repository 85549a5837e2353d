#include "BSettings.h"
#include "FrmBattle.h"
#include "FrmBattleSettings.h"
#include "FrmEnd.h"
#include "Harness.h"
#include "Random.h"
#include "TabOrder.h"

namespace duelmark::testing {
namespace {

using rt::ControlKind;

struct Expected {
  const char* name;
  ControlKind kind;
  const char* container;
  const char* shown;  // caption, or text for text boxes
  double left, top, width, height;
  int tabIndex;
};

// Front to back.
const Expected kSettingsWindow[] = {
    {"fraHelp", ControlKind::Frame, "", "Help", 240, 6360, 5415, 5535, 30},
    {"cmdClose", ControlKind::CommandButton, "fraHelp", "Close", 4080, 4920, 1215, 495, 31},
    {"tmrClose", ControlKind::Timer, "fraHelp", "", 0, 0, 0, 0, -1},
    {"tmrHelp", ControlKind::Timer, "fraHelp", "", 0, 0, 0, 0, -1},
    {"lblHelp1", ControlKind::Label, "fraHelp", nullptr, 120, 240, 5175, 4575, 32},
    {"cmdHelp", ControlKind::CommandButton, "", "Help", 3000, 5760, 1215, 495, 29},
    {"cmdDefaults", ControlKind::CommandButton, "", "Defaults", 1680, 5760, 1215, 495, 28},
    {"lstNumEn", ControlKind::ListBox, "", "", 2355, 3720, 375, 1035, 27},
    {"cmdStart", ControlKind::CommandButton, "", "Start Battle", 360, 5760, 1215, 495, 25},
    {"cmdEXIT", ControlKind::CommandButton, "", "Exit", 4320, 5760, 1215, 495, 24},
    {"Frame2", ControlKind::Frame, "", "Enemy Stats", 2880, 720, 2775, 2775, 12},
    {"txtEMagDef", ControlKind::TextBox, "Frame2", "Text1", 1515, 1800, 975, 285, 17},
    {"txtESuicide", ControlKind::TextBox, "Frame2", "Text1", 1515, 1080, 975, 285, 16},
    {"txtEDefence", ControlKind::TextBox, "Frame2", "Text1", 1515, 1440, 975, 285, 15},
    {"txtEAttack", ControlKind::TextBox, "Frame2", "Text1", 1515, 720, 975, 285, 14},
    {"txtEHealth", ControlKind::TextBox, "Frame2", "Text1", 1515, 360, 975, 285, 13},
    {"Label14", ControlKind::Label, "Frame2", "Suicide Attack =", 220, 1080, 1215, 255, 22},
    {"Label13", ControlKind::Label, "Frame2", "Attack =", 795, 720, 615, 255, 21},
    {"Label12", ControlKind::Label, "Frame2", "Defence =", 645, 1440, 855, 255, 20},
    {"Label10", ControlKind::Label, "Frame2", "Magic Def. =", 480, 1800, 975, 255, 19},
    {"Label9", ControlKind::Label, "Frame2", "Health =", 795, 360, 615, 255, 18},
    {"Frame1", ControlKind::Frame, "", "Hero Stats", 240, 720, 2415, 2775, 1},
    {"txtHealth", ControlKind::TextBox, "Frame1", "Text1", 1155, 360, 975, 285, 6},
    {"txtDefence", ControlKind::TextBox, "Frame1", "Text1", 1155, 1080, 975, 285, 5},
    {"txtAttack", ControlKind::TextBox, "Frame1", "Text1", 1155, 720, 975, 285, 4},
    {"txtMagic", ControlKind::TextBox, "Frame1", "Text1", 1155, 1440, 975, 285, 3},
    {"txtMagicDef", ControlKind::TextBox, "Frame1", "Text1", 1155, 1800, 975, 285, 2},
    {"Label3", ControlKind::Label, "Frame1", "Health =", 435, 360, 615, 255, 11},
    {"Label4", ControlKind::Label, "Frame1", "Magic Def. =", 120, 1800, 975, 255, 10},
    {"Label5", ControlKind::Label, "Frame1", "Magic =", 465, 1440, 615, 255, 9},
    {"Label6", ControlKind::Label, "Frame1", "Defence =", 285, 1080, 855, 255, 8},
    {"Label7", ControlKind::Label, "Frame1", "Attack =", 435, 720, 615, 255, 7},
    {"Frame3", ControlKind::Frame, "", "Battle Settings", 240, 3600, 5415, 1335, 23},
    {"Label15", ControlKind::Label, "Frame3", "Number of Enemies (1-5) =", 120, 240, 2535, 375, 26},
    {"Label1", ControlKind::Label, "", "Battle Settings", 120, 165, 5655, 375, 0},
    {"Shape1", ControlKind::Shape, "", "", 120, 120, 5685, 495, -1},
};

TEST(SettingsWindowTable, EveryControlStandsAsDesignedInStackingOrder) {
  FrmBattleSettings form;
  ASSERT_EQ(form.Controls().size(), std::size(kSettingsWindow));
  for (std::size_t i = 0; i < std::size(kSettingsWindow); ++i) {
    const rt::Control& control = *form.Controls()[i];
    const Expected& expected = kSettingsWindow[i];
    SCOPED_TRACE(expected.name);
    EXPECT_EQ(control.Name(), expected.name);
    EXPECT_EQ(control.Kind(), expected.kind);
    EXPECT_EQ(control.Container() ? control.Container()->Name() : "", expected.container);
    if (expected.shown) {
      EXPECT_EQ(expected.kind == ControlKind::TextBox ? control.Text() : control.Caption(), expected.shown);
    }
    if (expected.kind == ControlKind::Timer) {
      EXPECT_EQ(control.Interval(), 50);
      continue;
    }
    EXPECT_EQ(control.Left(), expected.left);
    EXPECT_EQ(control.Top(), expected.top);
    EXPECT_EQ(control.Width(), expected.width);
    EXPECT_EQ(control.Height(), expected.height);
    EXPECT_EQ(control.Look().tabIndex, expected.tabIndex);
    EXPECT_EQ(control.Visible(), std::string(expected.name) != "fraHelp");
  }
  EXPECT_EQ(form.lblHelp1.Caption(),
            "     This menu is for setting up the Duelmark.  You may change any of the default stats for the Hero or "
            "the Enemies.  You may also change the settings for the battle itself.  Select 1 through 5 to choose the "
            "number of Enemies the Hero will battle.  The Defaults button will reset all values to their "
            "originals.  Click Start Battle to begin the battle simulator.");
  EXPECT_EQ(form.lstNumEn.Look().items, (std::vector<std::string>{"1", "2", "3", "4", "5"}));
  EXPECT_EQ(form.Look().caption, "Battle Settings");
  EXPECT_EQ(form.Look().clientWidth, 5895);
  EXPECT_FALSE(form.Look().maxButton);
  EXPECT_EQ(form.Label1.Look().font.family, "Comic Sans MS");
  EXPECT_EQ(form.Label1.Look().font.points, 12);
  EXPECT_TRUE(form.Label1.Look().font.bold);
  EXPECT_EQ(form.Shape1.Look().backColor, (rt::Rgb{0, 0, 192}));
}

TEST(SettingsWindowTable, TabVisitsTheBoxesFromMagicDefThenTheButtons) {
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
  std::vector<std::string> Texts() {
    FrmBattleSettings& f = Form();
    return {f.txtHealth.Text(),   f.txtAttack.Text(),  f.txtDefence.Text(), f.txtMagic.Text(),
            f.txtMagicDef.Text(), f.txtEHealth.Text(), f.txtEAttack.Text(), f.txtESuicide.Text(),
            f.txtEDefence.Text(), f.txtEMagDef.Text(), f.lstNumEn.Text()};
  }
  std::vector<std::string> messages_;
  std::unique_ptr<MessageReader> reader_;
};

const std::vector<std::string> kDefaults{"100", "15", "10", "20", "10", "20", "15", "30", "5", "10", "1"};

TEST_F(Settings, OpensWithTheDefaultsAndTheHelpPanelParked) {
  EXPECT_EQ(Texts(), kDefaults);
  EXPECT_EQ(Form().lstNumEn.ListIndex(), 0);
  EXPECT_EQ(Form().OuterHeight(), 6885);
  EXPECT_EQ(Form().fraHelp.Top(), 6360);
  EXPECT_FALSE(Form().fraHelp.Visible());
  EXPECT_EQ(Runtime().NextTimerDue(), std::nullopt);
  const auto trace = TakeTrace();
  ASSERT_GE(trace.size(), 6u);
  EXPECT_EQ(trace[0], "frmBattleSettings.Form_Load");
  EXPECT_EQ(trace[1], "frmBattleSettings.Height=6885");
  EXPECT_EQ(trace[2], "frmBattleSettings.fraHelp.Top=6360");
  EXPECT_EQ(trace[3], "frmBattleSettings.tmrHelp.Enabled=False");
  EXPECT_EQ(trace[4], "frmBattleSettings.tmrClose.Enabled=False");
  EXPECT_EQ(trace[5], "frmBattleSettings.txtHealth.Text=\"100\"");
  EXPECT_EQ(trace.back(), "frmBattleSettings.Show");
}

TEST_F(Settings, DefaultsBringBackTheOpeningValues) {
  Type(Form().txtAttack, "lots");
  Type(Form().txtEHealth, "");
  Type(Form().lstNumEn, "4");
  EXPECT_EQ(Form().lstNumEn.Text(), "4");
  Press(Form().cmdDefaults);
  EXPECT_EQ(Texts(), kDefaults);
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
  for (int i = 2; i <= 5; ++i) {
    const EnemyRecord& other = State.Enemies(i);
    EXPECT_EQ((std::vector<int>{other.Health, other.MaxHealth, other.Attack, other.Suicide, other.Defence,
                                other.MagicDef, other.Alive}),
              (std::vector<int>(7, 0)));
  }
  EXPECT_TRUE(BattleShown());
  EXPECT_EQ(Runtime().FindLoaded(FrmBattleSettings::kName), nullptr);
  EXPECT_FALSE(Runtime().Ended());
  EXPECT_EQ(State.LastTurn, 1);  // the battle window's load ran after the state was filled
  const auto trace = TakeTrace();
  const auto load = std::find(trace.begin(), trace.end(), "frmBattle.Form_Load");
  const auto unload = std::find(trace.begin(), trace.end(), "frmBattleSettings.Unload");
  EXPECT_LT(load, unload);
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
  EXPECT_FALSE(BattleShown());
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

// The whole program, headless: settings, launch, a complete battle and the report.
TEST_F(Settings, TheWholeProgramRunsFromTheSettingsToTheReport) {
  Install(std::make_unique<rt::ClockSeededRandom>([] { return std::uint64_t{7}; }));
  Runtime().SetTraceSink({});
  frmBattleSettings().Show();
  Type(Form().lstNumEn, "3");
  Press(Form().cmdStart);
  ASSERT_TRUE(BattleShown());
  Press(frmBattle().cmdStart);
  for (int minute = 0; minute < 60 && Runtime().FindLoaded(FrmBattle::kName); ++minute) AdvanceMs(60'000);
  ASSERT_EQ(Runtime().FindLoaded(FrmBattle::kName), nullptr);
  FrmEnd& end = frmEnd();
  EXPECT_TRUE(end.Visible());
  EXPECT_TRUE(end.lblEnd.Caption() == "The Hero has defeated all Enemies." ||
              end.lblEnd.Caption() == "The Enemies have defeated the Hero.");
  EXPECT_EQ(end.lblTotal.Caption(), "Total moves = " + std::to_string(State.HeroMoves + State.EnemyMoves));
  EXPECT_FALSE(Runtime().Ended());
  Runtime().UserClose(end);
  EXPECT_TRUE(Runtime().Ended());
}

}  // namespace
}  // namespace duelmark::testing
