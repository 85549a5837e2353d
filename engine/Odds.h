#pragma once
// The odds: many battles fought by the battle's own steps with no window, clock or timer, and
// what they add up to.
//
// The battles are fought in blocks of kBlockBattles. A block's dice start from the seed and
// the block's number alone, so the same seed fights the same battles however the blocks are
// shared out: in slices on a page, or on every core at once.
#include <cstdint>
#include <optional>
#include <vector>

#include "Battle.h"
#include "Random.h"

namespace duelmark::Odds {

struct BattleResult {
  bool heroWon = false;
  int moves = 0;  // the Hero's and the Enemies' together
};

// One battle from its set-up to the beat that ends it, decided by the given dice and shown on
// the given stage, or on none.
BattleResult FightBattle(const Settings& settings, rt::RandomSource& dice, BattleStage& stage);
BattleResult FightBattle(const Settings& settings, rt::RandomSource& dice);

// What battles add up to: counts alone, which add up alike in any order.
struct Tally {
  std::uint64_t battles = 0;
  std::uint64_t heroWins = 0;
  std::vector<std::uint64_t> battlesOfLength;  // indexed by moves

  void Add(const BattleResult& result);
  void Add(const Tally& other);
};

inline constexpr std::uint64_t kBlockBattles = 1000;

inline constexpr double kZ95 = 1.959963984540054;  // the normal distribution's 97.5th percentile

// The dice of one block of a seeded run: the program's generator, whose clock is the block's
// own ticks.
class BlockDice final : public rt::RandomSource {
 public:
  BlockDice(std::uint64_t seed, std::uint64_t block);
  void Reseed() override {
    Settle();
    Step(now_);
  }
  float Next() override {
    Settle();
    return now_.state.Next();
  }
  // Each draw is worked out one draw ahead, while the battle still acts on the one before, so
  // that the value is ready when a decision asks for it.
  float ReseedAndNext() override {
    if (!ahead_) LookAhead();
    const float r = next_;
    LookAhead();
    return r;
  }

 private:
  struct Dice {
    std::uint64_t ticks;
    rt::GeneratorState state;
  };
  static constexpr std::uint64_t kTick = 0x9E3779B97F4A7C15ull;
  // A re-seed takes the next of the block's clock ticks.
  static void Step(Dice& dice) { dice.state.Reseed(dice.ticks += kTick); }
  void LookAhead() {
    before_ = now_;
    Step(now_);
    next_ = now_.state.Next();
    ahead_ = true;
  }
  // The dice as the draws taken so far leave them, for a re-seed or a value asked for alone.
  void Settle() {
    if (ahead_) now_ = before_;
    ahead_ = false;
  }

  Dice now_;
  Dice before_{};
  float next_ = 0;
  bool ahead_ = false;
};

// The first `count` battles of a block, unseen.
Tally FightBlock(const Settings& settings, std::uint64_t seed, std::uint64_t block, std::uint64_t count);

// The battles that lasted from `fromMoves` to `toMoves`; the last range of a histogram is open.
struct LengthRange {
  int fromMoves = 0;
  int toMoves = 0;
  bool open = false;
  double share = 0;
  std::uint64_t battles = 0;  // of the battles sampled
};

// Worked out exactly from every state the battle can reach, or sampled from battles fought.
enum class Method { Exact, Sampled };

struct Figures {
  Method method = Method::Sampled;
  std::size_t states = 0;     // exact: the states the battle can reach
  std::uint64_t battles = 0;  // sampled: how many, and who won them, from which seed
  std::uint64_t heroWins = 0;
  std::uint64_t enemyWins = 0;
  std::uint64_t seed = 0;
  double heroWinRate = 0;
  double heroWinRateLow = 0;  // the 95 % interval (Wilson's score interval); the rate when exact
  double heroWinRateHigh = 0;
  double movesMean = 0;
  int movesMedian = 0;
  int movesP90 = 0;
  std::vector<LengthRange> histogram;
};

// The lengths' figures (mean, median, 90th percentile, histogram) of battles of each length in
// the given weights: numbers of battles, or chances.
void DescribeLengths(Figures& figures, const std::vector<double>& weightOfLength);

// What a tally of battles fought from the seed adds up to.
Figures Summary(const Tally& tally, std::uint64_t seed);

// A run of the odds for one setting, fought a slice at a time, block after block: a page works
// it between its own events.
class Run {
 public:
  Run(const Settings& settings, std::uint64_t battles, std::uint64_t seed);

  // Fights up to `count` more of the run's battles.
  void Fight(std::uint64_t count);
  bool Done() const { return tally_.battles == battles_; }
  std::uint64_t Fought() const { return tally_.battles; }
  Figures Summary() const { return Odds::Summary(tally_, seed_); }

 private:
  Settings settings_;
  std::uint64_t battles_;
  std::uint64_t seed_;
  Tally tally_;
  std::optional<BlockDice> dice_;  // the current block's, from its first battle on
};

// The battles of a whole run, on `jobs` threads at once (1: this one).
Tally FightOnCores(const Settings& settings, std::uint64_t battles, std::uint64_t seed, unsigned jobs);

}  // namespace duelmark::Odds
