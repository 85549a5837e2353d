// The odds' figures: battles whose course is certain give certain figures, a seed repeats a
// run, and slices and any number of jobs add up to the whole run.
#include <gtest/gtest.h>

#include <stdexcept>

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

}  // namespace
}  // namespace duelmark
