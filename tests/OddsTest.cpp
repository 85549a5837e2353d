// The odds' figures: battles whose course is certain give certain figures, a seed repeats a
// run, slices and any number of jobs add up to the whole run, and the exact odds agree with
// battles worked by hand and with a million battles fought.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <stdexcept>

#include "Balance.h"
#include "ExactOdds.h"
#include "Odds.h"

namespace duelmark {
namespace {

Settings Fighters(int enemies, Int16 heroHealth, Int16 heroAttack, Int16 enemyHealth) {
  Settings settings = DefaultSettings();
  settings.NumEnemies = static_cast<Int16>(enemies);
  settings.Hero.Health = heroHealth;
  settings.Hero.Attack = heroAttack;
  settings.Enemy.Health = enemyHealth;
  return settings;
}

TEST(Odds, CertainBattlesGiveCertainFigures) {
  const double n = 400, z2 = 1.959963984540054 * 1.959963984540054;
  struct Case {
    Settings settings;
    bool heroWins;
    int moves;
  };
  const Case cases[] = {
      {Fighters(1, 100, 32767, 1), true, 1},       // the first hit fells the one Enemy
      {Fighters(1, -5, -32768, 32767), false, 2},  // the Hero, fallen already, is found so at the Enemy's move
  };
  for (const Case& c : cases) {
    Odds::Run run(c.settings, 400, 1);
    run.Fight(150);
    run.Fight(1000);  // a slice past the end fights only what is left
    ASSERT_TRUE(run.Done());
    const Odds::Figures figures = run.Summary();
    EXPECT_EQ(figures.heroWins, c.heroWins ? 400u : 0u);
    EXPECT_EQ(figures.enemyWins, c.heroWins ? 0u : 400u);
    // Wilson's interval at a share of 1 or 0 reaches n / (n + z²) from the certain end.
    EXPECT_NEAR(c.heroWins ? figures.heroWinRateLow : 1 - figures.heroWinRateHigh, n / (n + z2), 1e-9);
    EXPECT_EQ(figures.movesMean, c.moves);
    EXPECT_EQ(figures.movesMedian, c.moves);
    EXPECT_EQ(figures.movesP90, c.moves);
    ASSERT_EQ(figures.histogram.size(), 1u);
    EXPECT_EQ(figures.histogram[0].fromMoves, c.moves);
    EXPECT_EQ(figures.histogram[0].battles, 400u);
  }
}

TEST(Odds, ASeedRepeatsItsRunAndTheHistogramHoldsEveryBattle) {
  const auto figures = [](std::uint64_t seed) {
    Odds::Run run(Fighters(5, 100, 15, 20), 3000, seed);
    run.Fight(3000);
    return run.Summary();
  };
  const Odds::Figures first = figures(7), again = figures(7), other = figures(8);
  EXPECT_EQ(first.heroWins, again.heroWins);
  EXPECT_EQ(first.movesMean, again.movesMean);
  EXPECT_NE(first.movesMean, other.movesMean);
  EXPECT_LT(first.heroWinRateLow, first.heroWinRate);
  EXPECT_GT(first.heroWinRateHigh, first.heroWinRate);
  EXPECT_LE(first.movesMedian, first.movesP90);
  std::uint64_t battles = 0;
  int next = first.histogram.front().fromMoves;
  for (const Odds::LengthRange& range : first.histogram) {
    EXPECT_EQ(range.fromMoves, next);  // ranges follow each other without a gap
    next = range.toMoves + 1;
    battles += range.battles;
  }
  EXPECT_EQ(battles, 3000u);
  EXPECT_LE(first.histogram.size(), 10u);
}

// 2,500 battles: two whole blocks and half of one, however they are shared out.
TEST(Odds, TheSameSeedGivesTheSameFiguresInSlicesAndOnAnyNumberOfJobs) {
  const Settings settings = Fighters(3, 60, 15, 20);
  Odds::Run run(settings, 2500, 42);
  for (std::uint64_t slice : {1, 700, 999, 5000}) run.Fight(slice);
  const Odds::Figures sliced = run.Summary();
  for (unsigned jobs : {1u, 2u, 3u}) {
    const Odds::Figures figures = Odds::Summary(Odds::FightOnCores(settings, 2500, 42, jobs), 42);
    EXPECT_EQ(figures.heroWins, sliced.heroWins) << jobs;
    EXPECT_EQ(figures.movesMean, sliced.movesMean) << jobs;
  }
}

TEST(Odds, ASettingNoBattleCanHoldIsRefusedAtOnce) {
  for (int enemies : {0, 6, -1}) {
    BattleStage unseen;
    Odds::BlockDice dice(1, 0);
    try {
      Battle battle(Fighters(enemies, 100, 15, 20), dice, unseen);
      ADD_FAILURE() << enemies << " Enemies were taken";
    } catch (const std::invalid_argument& refused) {
      EXPECT_EQ(refused.what(), "A battle has 1 to 5 Enemies, not " + std::to_string(enemies) + ".");
    }
    EXPECT_THROW(Odds::Run(Fighters(enemies, 100, 15, 20), 1, 1), std::invalid_argument);
  }
}

// Worked by hand. Against one Enemy of the defaults the Hero attacks (20 -> 10); the Enemy
// attacks (3 in 4) or falls by its own suicide; then the Hero's magic fells it: 2 or 3 moves.
// With Health 15 the Hero, hit to 10, cures back to 15 every time and never attacks again, until
// the Enemy's suicide (20 damage) fells both, at its k-th turn with chance (3/4)^(k-1) / 4,
// after 2k moves: a cycle the exact odds must follow to its end.
TEST(Odds, TheExactOddsOfBattlesWorkedByHand) {
  struct Case {
    Settings settings;
    double heroWins, movesMean;
    int median, p90;
  };
  const Case cases[] = {
      {Fighters(1, 100, 15, 20), 1.0, 0.25 * 2 + 0.75 * 3, 3, 3},
      {Fighters(1, 15, 15, 20), 0.0, 8.0, 6, 18},  // 1 - (3/4)^3 >= 1/2, 1 - (3/4)^9 >= 9/10
  };
  for (const Case& c : cases) {
    const auto figures = Odds::Exact(c.settings, 100);
    ASSERT_TRUE(figures);
    EXPECT_EQ(figures->method, Odds::Method::Exact);
    EXPECT_NEAR(figures->heroWinRate, c.heroWins, 1e-12);
    EXPECT_EQ(figures->heroWinRateLow, figures->heroWinRate);
    EXPECT_NEAR(figures->movesMean, c.movesMean, 1e-9);
    EXPECT_EQ(figures->movesMedian, c.median);
    EXPECT_EQ(figures->movesP90, c.p90);
  }
  EXPECT_FALSE(Odds::Exact(Fighters(5, 100, 15, 20), 100)) << "more states than allowed";
}

// Random settings within the limit whose outcome is in doubt, each against a million battles:
// the exact chance and mean lie within the sample's intervals (95 % for nearly all, and 99.99 %
// for every one).
TEST(Odds, TheExactOddsStandAgainstAMillionBattles) {
  std::mt19937 dice(20261209);
  int settings = 0, within95 = 0;
  const auto within = [](double sampled, double exact, double spread, double z) {
    return std::abs(sampled - exact) <= z * spread + 1e-9;
  };
  while (settings < 20) {
    Settings s = Fighters(1 + static_cast<int>(dice() % 5), static_cast<Int16>(20 + dice() % 100),
                          static_cast<Int16>(10 + dice() % 25), static_cast<Int16>(10 + dice() % 40));
    s.Enemy.Attack = static_cast<Int16>(10 + dice() % 25);
    s.Hero.Magic = static_cast<Int16>(dice() % 40);
    const auto exact = Odds::Exact(s, 200'000);
    if (!exact || exact->heroWinRate < 0.02 || exact->heroWinRate > 0.98) continue;
    ++settings;
    const Odds::Tally tally = Odds::FightOnCores(s, EXACT_CHECK_BATTLES, dice(), 2);
    const Odds::Figures sampled = Odds::Summary(tally, 0);
    const double n = static_cast<double>(tally.battles);
    const double rateSpread = std::sqrt(exact->heroWinRate * (1 - exact->heroWinRate) / n);
    double variance = 0;
    for (std::size_t moves = 0; moves < tally.battlesOfLength.size(); ++moves) {
      variance += static_cast<double>(tally.battlesOfLength[moves]) *
                  std::pow(static_cast<double>(moves) - exact->movesMean, 2) / n;
    }
    const double meanSpread = std::sqrt(variance / n);
    EXPECT_TRUE(within(sampled.heroWinRate, exact->heroWinRate, rateSpread, 3.9)) << settings;
    EXPECT_TRUE(within(sampled.movesMean, exact->movesMean, meanSpread, 3.9)) << settings;
    within95 += within(sampled.heroWinRate, exact->heroWinRate, rateSpread, Odds::kZ95) &&
                within(sampled.movesMean, exact->movesMean, meanSpread, Odds::kZ95);
  }
  std::printf("%d of %d settings within both 95 %% intervals\n", within95, settings);
  EXPECT_GE(within95, 16);  // 18 expected
}

}  // namespace
}  // namespace duelmark
