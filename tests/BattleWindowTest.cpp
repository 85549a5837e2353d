#include "Battle.h"
#include "FrmBattle.h"
#include "Harness.h"

namespace duelmark::testing {
namespace {

using rt::ControlKind;

struct Expected {
  const char* name;
  int index;
  ControlKind kind;
  double left, top, width, height;
  bool visible;
  const char* caption;
};

// The window as it opens, front to back, before the load draws the field.
const Expected kBattleWindow[] = {
    {"tmrEnd", 0, ControlKind::Timer, 0, 0, 0, 0, false, ""},
    {"tmrPause", 0, ControlKind::Timer, 0, 0, 0, 0, false, ""},
    {"frmEnemies", 0, ControlKind::Frame, 1920, 5040, 1695, 1575, true, "Enemies Health"},
    {"lblEnemy", 1, ControlKind::Label, 120, 240, 735, 255, false, ""},
    {"lblEnemy", 2, ControlKind::Label, 120, 480, 735, 255, false, ""},
    {"lblEnemy", 3, ControlKind::Label, 120, 720, 735, 255, false, ""},
    {"lblEnemy", 4, ControlKind::Label, 120, 960, 735, 255, false, ""},
    {"lblEnemy", 5, ControlKind::Label, 120, 1200, 735, 255, false, ""},
    {"lblEnemyHP", 1, ControlKind::Label, 1080, 240, 75, 240, false, ""},
    {"lblEnemyHP", 2, ControlKind::Label, 1080, 480, 75, 240, false, ""},
    {"lblEnemyHP", 3, ControlKind::Label, 1080, 720, 75, 240, false, ""},
    {"lblEnemyHP", 4, ControlKind::Label, 1080, 960, 75, 240, false, ""},
    {"lblEnemyHP", 5, ControlKind::Label, 1080, 1200, 75, 240, false, ""},
    {"lblSlash", 1, ControlKind::Label, 1200, 240, 135, 255, false, "/"},
    {"lblSlash", 2, ControlKind::Label, 1200, 480, 135, 255, false, "/"},
    {"lblSlash", 3, ControlKind::Label, 1200, 720, 135, 255, false, "/"},
    {"lblSlash", 4, ControlKind::Label, 1200, 960, 135, 255, false, "/"},
    {"lblSlash", 5, ControlKind::Label, 1200, 1200, 135, 255, false, "/"},
    {"lblEnemyMax", 1, ControlKind::Label, 1320, 240, 75, 240, false, ""},
    {"lblEnemyMax", 2, ControlKind::Label, 1320, 480, 75, 240, false, ""},
    {"lblEnemyMax", 3, ControlKind::Label, 1320, 720, 75, 240, false, ""},
    {"lblEnemyMax", 4, ControlKind::Label, 1320, 960, 75, 240, false, ""},
    {"lblEnemyMax", 5, ControlKind::Label, 1320, 1200, 75, 240, false, ""},
    {"tmrEnemyAttack", 0, ControlKind::Timer, 0, 0, 0, 0, false, ""},
    {"tmrCure", 0, ControlKind::Timer, 0, 0, 0, 0, false, ""},
    {"cmdStart", 0, ControlKind::CommandButton, 3720, 5040, 1215, 1575, true,
     "Press this button to start the simulator."},
    {"tmrHeroAttack", 0, ControlKind::Timer, 0, 0, 0, 0, false, ""},
    {"frameHero", 0, ControlKind::Frame, 120, 5640, 1695, 615, true, "Hero"},
    {"lblHPMax", 0, ControlKind::Label, 1200, 240, 75, 240, true, ""},
    {"lblHP", 0, ControlKind::Label, 960, 240, 75, 240, true, ""},
    {"lbl1", 0, ControlKind::Label, 1080, 240, 135, 255, true, "/"},
    {"lbl3", 0, ControlKind::Label, 120, 240, 615, 255, true, "Health:"},
    {"lblSeconds", 0, ControlKind::Label, 480, 5280, 255, 255, false, "5"},
    {"lblNext", 0, ControlKind::Label, 360, 5040, 1215, 495, false, "Next Move in:      Seconds"},
    {"imgSuicide", 0, ControlKind::Image, 3240, 8760, 1230, 1350, false, ""},
    {"imgCure", 0, ControlKind::Image, 4200, 6840, 870, 855, false, ""},
    {"imgMagic", 0, ControlKind::Image, 120, 6840, 600, 600, false, ""},
    {"lblEnemyInfo", 0, ControlKind::Label, 120, 7440, 645, 315, false, ""},
    {"imgEnemyAttack", 0, ControlKind::Image, 3720, 7680, 435, 1020, false, ""},
    {"imgEnemyArrow", 0, ControlKind::Image, 770, 2100, 345, 195, false, ""},
    {"imgHeroArrow", 0, ControlKind::Image, 4250, 1800, 345, 195, true, ""},
    {"imgHeroAttack", 0, ControlKind::Image, 120, 7800, 1470, 1335, false, ""},
    {"lblCure", 0, ControlKind::Label, 3600, 6960, 615, 255, false, ""},
    {"lblHeroInfo", 0, ControlKind::Label, 3480, 7320, 735, 255, false, ""},
    {"imgHero", 0, ControlKind::Image, 3720, 1800, 1080, 1575, true, ""},
    {"lblInfo", 0, ControlKind::Label, 2445, 255, 105, 285, false, ""},
    {"shpInfo", 0, ControlKind::Shape, 360, 120, 4335, 615, false, ""},
    {"imgEnemy", 5, ControlKind::Image, 120, 3360, 435, 465, false, ""},
    {"imgEnemy", 4, ControlKind::Image, 120, 2640, 435, 465, false, ""},
    {"imgEnemy", 3, ControlKind::Image, 120, 1920, 435, 465, false, ""},
    {"imgEnemy", 2, ControlKind::Image, 720, 3000, 435, 465, false, ""},
    {"imgEnemy", 1, ControlKind::Image, 720, 2280, 435, 465, false, ""},
    {"shpStats", 0, ControlKind::Shape, 0, 4920, 5085, 1815, true, ""},
    {"imgBackground", 0, ControlKind::Image, 0, 0, 5085, 5055, true, ""},
};

TEST(BattleWindowTable, EveryControlStandsAsDesignedInStackingOrder) {
  FrmBattle form;  // constructed directly: the design, before any load
  const auto& controls = form.Controls();
  ASSERT_EQ(controls.size(), std::size(kBattleWindow));
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const rt::Control& control = *controls[i];
    const Expected& expected = kBattleWindow[i];
    SCOPED_TRACE(control.TraceName());
    EXPECT_EQ(control.Name(), expected.name);
    EXPECT_EQ(control.Index(), expected.index);
    EXPECT_EQ(control.Kind(), expected.kind);
    EXPECT_EQ(control.Visible(), expected.visible);
    EXPECT_EQ(control.Caption(), expected.caption);
    if (expected.kind == ControlKind::Timer) {
      EXPECT_FALSE(control.Enabled());
      continue;
    }
    EXPECT_EQ(control.Left(), expected.left);
    EXPECT_EQ(control.Top(), expected.top);
    EXPECT_EQ(control.Width(), expected.width);
    EXPECT_EQ(control.Height(), expected.height);
  }
  EXPECT_EQ(form.tmrEnd.Interval(), 1000);
  EXPECT_EQ(form.tmrPause.Interval(), 1000);
  EXPECT_EQ(form.tmrEnemyAttack.Interval(), 50);
  EXPECT_EQ(form.tmrCure.Interval(), 50);
  EXPECT_EQ(form.tmrHeroAttack.Interval(), 50);
  EXPECT_EQ(form.TimerSeconds, 0);
  EXPECT_TRUE(form.cmdStart.Enabled());
}

TEST(BattleWindowTable, LooksThatTheOtherWindowsDoNotShare) {
  FrmBattle form;
  EXPECT_EQ(form.Look().caption, "Kelmar: Tarrin's Adventure");
  EXPECT_EQ(form.Look().clientWidth, 5085);
  EXPECT_EQ(form.Look().clientHeight, 6765);
  EXPECT_EQ(form.Look().backColor, (rt::Rgb{0, 255, 255}));
  EXPECT_FALSE(form.Look().minButton);
  EXPECT_FALSE(form.Look().maxButton);
  EXPECT_EQ(form.lblEnemyHP(3).Look().alignment, rt::Alignment::Right);
  EXPECT_TRUE(form.lblEnemyHP(3).Look().autoSize);
  EXPECT_EQ(form.lblEnemyHP(3).Container(), &form.frmEnemies);
  EXPECT_EQ(form.lblHP.Container(), &form.frameHero);
  EXPECT_EQ(form.lblInfo.Look().alignment, rt::Alignment::Center);
  EXPECT_EQ(form.lblInfo.Look().font.points, 9.75);
  EXPECT_EQ(form.lblCure.Look().foreColor, (rt::Rgb{0, 0, 255}));
  EXPECT_TRUE(form.imgMagic.Look().stretch);
  EXPECT_EQ(form.cmdStart.Look().tabIndex, 0);
  EXPECT_EQ(form.imgEnemy(1).Look().picture, form.imgEnemy(5).Look().picture);
}

using BattleWindow = Harness;

TEST_F(BattleWindow, LoadSetsTheStartValuesAndDrawsThreeEnemies) {
  FillDefaults(3);
  FrmBattle& form = frmBattle();
  EXPECT_EQ(State.LastTurn, 3);
  EXPECT_EQ(State.EnemiesAlive, 3);
  EXPECT_EQ(State.Turn, 0);
  EXPECT_EQ(State.AttackEstimate, BattleState::kUntried);
  EXPECT_EQ(State.MagicEstimate, BattleState::kUntried);
  EXPECT_EQ(State.CureEstimate, BattleState::kUntried);
  EXPECT_EQ(State.EnemyFullHealth, 20);
  EXPECT_FALSE(form.Visible());
  for (int i = 1; i <= 5; ++i) {
    SCOPED_TRACE(i);
    const bool inBattle = i <= 3;
    EXPECT_EQ(form.imgEnemy(i).Visible(), inBattle);
    EXPECT_EQ(form.lblEnemy(i).Visible(), inBattle);
    EXPECT_EQ(form.lblEnemyHP(i).Visible(), inBattle);
    EXPECT_EQ(form.lblSlash(i).Visible(), inBattle);
    EXPECT_EQ(form.lblEnemyMax(i).Visible(), inBattle);
    EXPECT_EQ(form.lblEnemy(i).Caption(), inBattle ? "Enemy " + std::to_string(i) : "");
    EXPECT_EQ(form.lblEnemyHP(i).Caption(), inBattle ? "20" : "");
  }
  EXPECT_TRUE(form.imgHeroArrow.Visible());
  EXPECT_FALSE(form.imgEnemyArrow.Visible());
  EXPECT_EQ(form.lblHP.Caption(), "100");
  EXPECT_EQ(form.lblHPMax.Caption(), "100");
  EXPECT_EQ(Runtime().NextTimerDue(), std::nullopt);
}

TEST_F(BattleWindow, LoadTracesTheRefreshWritesInOrder) {
  FillDefaults(1);
  frmBattle();
  EXPECT_EQ(TakeTrace(), (std::vector<std::string>{
                             "frmBattle.Form_Load",
                             "frmBattle.imgEnemy(1).Visible=True",
                             "frmBattle.imgHeroArrow.Visible=True",
                             "frmBattle.imgEnemyArrow.Visible=False",
                             "frmBattle.lblHP.Caption=\"100\"",
                             "frmBattle.lblHPMax.Caption=\"100\"",
                             "frmBattle.lblEnemy(1).Visible=True",
                             "frmBattle.lblEnemy(1).Caption=\"Enemy 1\"",
                             "frmBattle.lblEnemyHP(1).Visible=True",
                             "frmBattle.lblEnemyHP(1).Caption=\"20\"",
                             "frmBattle.lblSlash(1).Visible=True",
                             "frmBattle.lblEnemyMax(1).Visible=True",
                             "frmBattle.lblEnemyMax(1).Caption=\"20\"",
                         }));
}

TEST_F(BattleWindow, TheArrowStandsOverTheActingEnemy) {
  FillDefaults(5);
  FrmBattle& form = frmBattle();
  const std::pair<double, double> expected[] = {{770, 2100}, {770, 2820}, {170, 1740}, {170, 2460}, {170, 3180}};
  for (int turn = 1; turn <= 5; ++turn) {
    State.Turn = static_cast<Int16>(turn);
    Battle::RefreshBattlefield();
    EXPECT_FALSE(form.imgHeroArrow.Visible());
    EXPECT_TRUE(form.imgEnemyArrow.Visible());
    EXPECT_EQ(form.imgEnemyArrow.Left(), expected[turn - 1].first) << turn;
    EXPECT_EQ(form.imgEnemyArrow.Top(), expected[turn - 1].second) << turn;
  }
  // Placed on the fractional positions of the picture, even while it is hidden.
  form.imgEnemy(2).SetLeft(700.25);
  State.Enemies(2).Alive = rt::kFalse;
  State.Turn = 2;
  Battle::RefreshBattlefield();
  EXPECT_FALSE(form.imgEnemy(2).Visible());
  EXPECT_EQ(form.imgEnemyArrow.Left(), 750.25);
  State.Turn = 0;
  Battle::RefreshBattlefield();
  EXPECT_TRUE(form.imgHeroArrow.Visible());
  EXPECT_FALSE(form.imgEnemyArrow.Visible());
  EXPECT_EQ(form.imgHeroArrow.Left(), 4250);
}

TEST_F(BattleWindow, ARetiredEnemyLosesItsPictureButKeepsItsRow) {
  FillDefaults(3);
  FrmBattle& form = frmBattle();
  State.Enemies(2).Alive = rt::kFalse;
  State.Enemies(2).Health = 0;
  Battle::RefreshBattlefield();
  EXPECT_FALSE(form.imgEnemy(2).Visible());
  EXPECT_TRUE(form.lblEnemy(2).Visible());
  EXPECT_EQ(form.lblEnemyHP(2).Caption(), "0");
  EXPECT_EQ(form.lblEnemyMax(2).Caption(), "20");
  // Only True itself (-1) shows a picture; other non-zero values do not.
  State.Enemies(2).Alive = 1;
  Battle::RefreshBattlefield();
  EXPECT_FALSE(form.imgEnemy(2).Visible());
  // A picture hidden during a move comes back at the next refresh while its Enemy lives.
  form.imgEnemy(3).SetVisible(false);
  Battle::RefreshBattlefield();
  EXPECT_TRUE(form.imgEnemy(3).Visible());
}

TEST_F(BattleWindow, CountersShowNegativeAndExtremeValuesAsPlainDecimals) {
  FillDefaults(2);
  FrmBattle& form = frmBattle();
  State.Hero.Health = -7;
  State.Hero.MaxHealth = 32767;
  State.Enemies(1).Health = -32768;
  Battle::RefreshBattlefield();
  EXPECT_EQ(form.lblHP.Caption(), "-7");
  EXPECT_EQ(form.lblHPMax.Caption(), "32767");
  EXPECT_EQ(form.lblEnemyHP(1).Caption(), "-32768");
}

TEST_F(BattleWindow, AnEnemyCountOutsideTheTableIsASubscriptError) {
  FillDefaults(5);
  frmBattle();
  State.NumEnemies = 6;
  EXPECT_THROW(Battle::RefreshBattlefield(), RuntimeErrorRaised);
  State.NumEnemies = 0;  // no Enemy at all: both loops do nothing
  EXPECT_NO_THROW(Battle::RefreshBattlefield());
}

}  // namespace
}  // namespace duelmark::testing
