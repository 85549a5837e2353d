// Thousands of complete battles with random statistics over the whole 16-bit range, in
// virtual time with the real generator, checking the battle's invariants after every event.
#include <chrono>
#include <cstdio>
#include <random>

#include "FrmBattle.h"
#include "FrmEnd.h"
#include "Harness.h"
#include "Random.h"

namespace duelmark::testing {
namespace {

constexpr int kBattles = SOAK_BATTLES;
constexpr int kMaxEventsPerBattle = 2'000'000;

class Soak : public Harness {
 protected:
  // Every other battle draws from everyday values, which make longer battles.
  void Launch(std::mt19937& dice, bool wholeRange) {
    std::uniform_int_distribution<int> any(wholeRange ? -32768 : -20, wholeRange ? 32767 : 120);
    const auto roll = [&] { return static_cast<Int16>(any(dice)); };
    Settings settings;
    settings.NumEnemies = static_cast<Int16>(std::uniform_int_distribution<int>(1, 5)(dice));
    settings.Hero = {.Health = roll(), .Attack = roll(), .Defence = roll(), .Magic = roll(), .MagicDef = roll()};
    settings.Enemy = {.Attack = roll(), .Suicide = roll(), .Defence = roll(), .MagicDef = roll()};
    settings.Enemy.Health = roll();
    FrmBattle& form = frmBattle(settings);
    form.Show();
    Runtime().Click(form.cmdStart);
  }

  void CheckInvariants() {
    auto* form = static_cast<FrmBattle*>(Runtime().FindLoaded(FrmBattle::kName));
    if (!form) return;
    ASSERT_GE(State().Turn, 0);
    ASSERT_LE(State().Turn, State().LastTurn);
    int alive = 0;
    for (int i = 1; i <= 5; ++i) alive += State().Enemies(i).Alive != rt::kFalse;
    ASSERT_EQ(State().EnemiesAlive, alive);
    const int running = form->tmrHeroAttack.Enabled() + form->tmrCure.Enabled() + form->tmrEnemyAttack.Enabled() +
                        form->tmrPause.Enabled() + form->tmrEnd.Enabled();
    ASSERT_LE(running, 1);
  }
};

TEST_F(Soak, EveryBattleEndsWithTheEndWindowAndKeepsItsInvariants) {
  std::mt19937 dice(20261208);
  std::uint64_t seedClock = 0;
  long long events = 0;
  const auto started = std::chrono::steady_clock::now();
  for (int battle = 0; battle < kBattles; ++battle) {
    Install(std::make_unique<rt::ClockSeededRandom>([&seedClock] { return ++seedClock; }));
    Runtime().SetTraceSink({});
    Launch(dice, battle % 2 == 0);
    int battleEvents = 0;
    while (const auto due = Runtime().NextTimerDue()) {
      clock_->Set(*due);
      Runtime().FireDueTimers();
      CheckInvariants();
      if (HasFatalFailure()) return;
      ASSERT_LT(++battleEvents, kMaxEventsPerBattle) << "battle " << battle << " does not end";
    }
    events += battleEvents;
    ASSERT_EQ(Runtime().FindLoaded(FrmBattle::kName), nullptr) << "battle " << battle;
    const rt::Window* end = Runtime().FindLoaded(FrmEnd::kName);
    ASSERT_TRUE(end && end->Visible()) << "battle " << battle;
    Runtime().UserClose(frmEnd());
    ASSERT_TRUE(Runtime().Ended());
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::printf("%d battles, %lld events in %.2f s: %.0f battles per second\n", kBattles, events, seconds,
              kBattles / seconds);
}

}  // namespace
}  // namespace duelmark::testing
