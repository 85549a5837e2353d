#include "FrmBattle.h"
#include "Harness.h"

namespace duelmark::testing {
namespace {

using BattleWindow = Harness;

// At the same offset from each Enemy's picture, even a moved or a hidden one.
// Start disables itself as the battle begins: the focus goes to the window, not to nothing.
TEST_F(BattleWindow, StartHandsTheFocusToTheWindowAsItDisablesItself) {
  Draws({0.0f, 0.0f});
  FrmBattle& form = OpenBattle(1);
  form.Show();
  EXPECT_EQ(form.Focused(), &form.cmdStart);
  Runtime().Click(form.cmdStart);
  EXPECT_EQ(form.Focused(), nullptr);
}

TEST_F(BattleWindow, TheArrowStandsOverTheActingEnemy) {
  FrmBattle& form = OpenBattle(5);
  form.imgEnemy(2).SetLeft(700.25);
  State().Enemies(4).Alive = rt::kFalse;
  std::optional<std::pair<double, double>> offset;
  for (int turn = 1; turn <= 5; ++turn) {
    State().Turn = static_cast<Int16>(turn);
    Fight().RefreshBattlefield();
    const rt::Control &arrow = form.imgEnemyArrow, &enemy = form.imgEnemy(turn);
    EXPECT_TRUE(arrow.Visible() && !form.imgHeroArrow.Visible()) << turn;
    if (!offset) offset = {arrow.Left() - enemy.Left(), arrow.Top() - enemy.Top()};
    EXPECT_EQ(std::make_pair(arrow.Left() - enemy.Left(), arrow.Top() - enemy.Top()), *offset) << turn;
    EXPECT_TRUE(arrow.Top() < enemy.Top() && arrow.Left() > enemy.Left() &&
                arrow.Left() + arrow.Width() < enemy.Left() + enemy.Width())
        << turn;
  }
  State().Turn = 0;
  Fight().RefreshBattlefield();
  EXPECT_TRUE(form.imgHeroArrow.Visible());
  EXPECT_FALSE(form.imgEnemyArrow.Visible());
}

TEST_F(BattleWindow, ARetiredEnemyLosesItsPictureButKeepsItsRow) {
  FrmBattle& form = OpenBattle(3);
  State().Enemies(2).Alive = rt::kFalse;
  State().Enemies(2).Health = 0;
  Fight().RefreshBattlefield();
  EXPECT_FALSE(form.imgEnemy(2).Visible());
  EXPECT_TRUE(form.lblEnemy(2).Visible());
  EXPECT_EQ(form.lblEnemyHP(2).Caption(), "0");
  EXPECT_EQ(form.lblEnemyMax(2).Caption(), "20");
  // Only True itself (-1) shows a picture; other non-zero values do not.
  State().Enemies(2).Alive = 1;
  Fight().RefreshBattlefield();
  EXPECT_FALSE(form.imgEnemy(2).Visible());
  // A picture hidden during a move comes back at the next refresh while its Enemy lives.
  form.imgEnemy(3).SetVisible(false);
  Fight().RefreshBattlefield();
  EXPECT_TRUE(form.imgEnemy(3).Visible());
}

TEST_F(BattleWindow, CountersShowNegativeAndExtremeValuesAsPlainDecimals) {
  FrmBattle& form = OpenBattle(2);
  State().Hero.Health = -7;
  State().Hero.MaxHealth = 32767;
  State().Enemies(1).Health = -32768;
  Fight().RefreshBattlefield();
  EXPECT_EQ(form.lblHP.Caption(), "-7");
  EXPECT_EQ(form.lblHPMax.Caption(), "32767");
  EXPECT_EQ(form.lblEnemyHP(1).Caption(), "-32768");
}

TEST_F(BattleWindow, AnEnemyCountOutsideTheTableIsASubscriptError) {
  OpenBattle(5);
  State().NumEnemies = 6;
  EXPECT_THROW(Fight().RefreshBattlefield(), RuntimeErrorRaised);
  State().NumEnemies = 0;  // no Enemy at all: both loops do nothing
  EXPECT_NO_THROW(Fight().RefreshBattlefield());
}

}  // namespace
}  // namespace duelmark::testing
