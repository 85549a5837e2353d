#pragma once
// The odds: many battles fought by the battle's own steps in a plain loop, with no window,
// clock or timer, and what they add up to.
#include <cstdint>
#include <vector>

#include "Battle.h"
#include "Random.h"

namespace duelmark::Odds {

struct BattleResult {
  bool heroWon = false;
  int moves = 0;  // the Hero's and the Enemies' together
};

// One battle from its set-up to the check that finds a side fallen, shown on the current stage
// and decided by its dice.
BattleResult FightBattle(const Battle::Settings& settings);

// The battles that lasted from `fromMoves` to `toMoves`; the last range of a histogram is open.
struct LengthRange {
  int fromMoves = 0;
  int toMoves = 0;
  bool open = false;
  std::uint64_t battles = 0;
};

struct Figures {
  std::uint64_t battles = 0;
  std::uint64_t heroWins = 0;
  std::uint64_t enemyWins = 0;
  double heroWinRate = 0;
  double heroWinRateLow = 0;  // the 95 % interval (Wilson's score interval)
  double heroWinRateHigh = 0;
  double movesMean = 0;
  int movesMedian = 0;
  int movesP90 = 0;
  std::vector<LengthRange> histogram;
  std::uint64_t seed = 0;
};

// A run of the odds for one setting, fought in slices. Each slice sets the battle state and
// the stage of any battle being watched aside and puts them back after, so a run can be worked
// between a watched battle's events in the same program.
class Run {
 public:
  Run(const Battle::Settings& settings, std::uint64_t battles, std::uint64_t seed);
  Run(const Run&) = delete;  // its dice read its own seed ticks
  Run& operator=(const Run&) = delete;

  // Fights up to `count` more of the run's battles.
  void Fight(std::uint64_t count);
  bool Done() const { return fought_ == battles_; }
  std::uint64_t Fought() const { return fought_; }
  // The figures of the battles fought so far.
  Figures Summary() const;

 private:
  Battle::Settings settings_;
  std::uint64_t battles_;
  std::uint64_t seed_;
  std::uint64_t seedTicks_;
  rt::ClockSeededRandom dice_;
  std::uint64_t fought_ = 0;
  std::uint64_t heroWins_ = 0;
  std::vector<std::uint64_t> battlesOfLength_;  // indexed by moves
};

}  // namespace duelmark::Odds
