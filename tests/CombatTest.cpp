// The five moves' arithmetic on the battle state, and where the battle window shows a hit.
#include <algorithm>

#include "Attacks.h"
#include "FrmBattle.h"
#include "Harness.h"

namespace duelmark::testing {
namespace {

class Combat : public Harness {
 protected:
  Combat() { OpenBattle(3); }
};

// One move by or on Enemy 2, with the defaults against three Enemies after the row's change:
// the hit points it leaves, the figure that floats up, and what the engine notes: the move's
// estimate, which was 30, for the Hero's hits; the largest hit, which was 7, for the Enemies'.
struct Hit {
  void (*change)(BattleState&);
  void (*move)(Battle&);
  int hero, enemy;
  const char* figure;
  Int16 BattleState::*noted;
  int note;
};

const Hit kHits[] = {
    {[](BattleState&) {}, Attacks::HeroAttack, 100, 10, "-10", &BattleState::AttackEstimate, 10},
    {[](BattleState& state) { state.Hero.Attack = 5; }, Attacks::HeroAttack, 100, 20, "-0",
     &BattleState::AttackEstimate, 0},
    {[](BattleState&) {}, Attacks::HeroMagic, 100, 10, "-10", &BattleState::MagicEstimate, 10},
    // The Enemy gains, past its maximum.
    {[](BattleState& state) { state.Hero.Magic = 6; }, Attacks::HeroMagic, 100, 24, "--4", &BattleState::MagicEstimate,
     -4},
    {[](BattleState& state) { state.Hero.Health = 85; }, Attacks::HeroCure, 100, 20, "+20",
     &BattleState::AttackEstimate, 30},
    {[](BattleState& state) { state.Hero.Health = 70; }, Attacks::HeroCure, 90, 20, "+20", &BattleState::MagicEstimate,
     30},
    {[](BattleState& state) { state.Hero.Magic = -5; }, Attacks::HeroCure, 95, 20, "+-5", &BattleState::MaxEnemyDamage,
     7},
    {[](BattleState&) {}, Attacks::EnemyAttack, 95, 20, "-5", &BattleState::MaxEnemyDamage, 7},
    {[](BattleState& state) { state.Enemies(2).Attack = 18; }, Attacks::EnemyAttack, 92, 20, "-8",
     &BattleState::MaxEnemyDamage, 8},
    {[](BattleState& state) { state.Hero.Defence = 18; }, Attacks::EnemyAttack, 103, 20, "--3",
     &BattleState::MaxEnemyDamage, 7},
    {[](BattleState& state) { state.Hero.Defence = 15; }, Attacks::EnemyAttack, 100, 20, "-0",
     &BattleState::MaxEnemyDamage, 7},
    {[](BattleState&) {}, Attacks::EnemySuicide, 80, 0, "-20", &BattleState::MaxEnemyDamage, 20},
    // A suicide that heals still costs the Enemy its hit points.
    {[](BattleState& state) { state.Hero.Defence = 38; }, Attacks::EnemySuicide, 108, 0, "--8",
     &BattleState::MaxEnemyDamage, 7},
    // Extreme statistics saturate instead of ending the program.
    {[](BattleState& state) { state.Enemies(2) = {.Health = 20, .Defence = -32768, .Alive = rt::kTrue}; },
     Attacks::HeroAttack, 100, -32747, "-32767", &BattleState::AttackEstimate, 32767},
    {[](BattleState& state) { state.Hero = {.Health = 32000, .Defence = 32767}; }, Attacks::EnemyAttack, 32767, 20,
     "--32752", &BattleState::MaxEnemyDamage, 7},
    {[](BattleState& state) { state.Hero = {.Health = 100, .MaxHealth = 32767, .Magic = 32767}; }, Attacks::HeroCure,
     32767, 20, "+32767", &BattleState::MagicEstimate, 30},
    {[](BattleState& state) { state.Hero = {.Health = -100, .MaxHealth = 100, .Magic = -32768}; }, Attacks::HeroCure,
     -32768, 20, "+-32768", &BattleState::AttackEstimate, 30},
};

TEST_F(Combat, EachMoveLeavesItsHitPointsFigureAndNote) {
  for (const Hit& hit : kHits) {
    ReopenBattle(3);
    State().HeroTarget = State().Turn = 2;
    State().AttackEstimate = State().MagicEstimate = 30;
    State().MaxEnemyDamage = 7;
    hit.change(State());
    TakeTrace();
    hit.move(Fight());
    SCOPED_TRACE(&hit - std::begin(kHits));  // the row
    EXPECT_EQ(State().Hero.Health, hit.hero);
    EXPECT_EQ(State().Enemies(2).Health, hit.enemy);
    EXPECT_EQ(State().Enemies(2).Alive, rt::kTrue);  // retired only when the animation ends
    EXPECT_EQ(State().*hit.noted, hit.note);
    const auto trace = TakeTrace();
    EXPECT_EQ(std::ranges::count_if(trace,
                                    [&hit](const std::string& line) {
                                      return line.ends_with(std::string(".Caption=\"") + hit.figure + '"');
                                    }),
              1);
  }
}

TEST_F(Combat, HitsPlaceTheirPicturesRelativeToTheTargetsFractionalPosition) {
  FrmBattle& form = frmBattle();
  form.imgEnemy(3).SetLeft(120.5);
  State().HeroTarget = 3;
  Attacks::HeroMagic(Fight());
  EXPECT_EQ(form.imgMagic.Left(), 50.5);
  EXPECT_EQ(form.imgMagic.Top(), 1890);
  EXPECT_EQ(form.lblEnemyInfo.Left(), 240.5);
  EXPECT_EQ(form.lblEnemyInfo.Top(), 1680);
  EXPECT_EQ(form.lblInfo.Caption(), "The Hero used Magic on Enemy 3.");
}

TEST_F(Combat, ATargetOutsideTheTableIsASubscriptError) {
  State().HeroTarget = 6;
  EXPECT_THROW(Attacks::HeroAttack(Fight()), RuntimeErrorRaised);
  State().Turn = -1;
  EXPECT_THROW(Attacks::EnemyAttack(Fight()), RuntimeErrorRaised);
}

}  // namespace
}  // namespace duelmark::testing
