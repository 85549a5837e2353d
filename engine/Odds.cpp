#include "Odds.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#if defined(__GNUC__)
#define DUELMARK_FOLDED [[gnu::flatten]]
#else
#define DUELMARK_FOLDED
#endif

namespace duelmark::Odds {
namespace {

constexpr int kHistogramRanges = 10;
constexpr std::uint64_t kGolden = 0x9E3779B97F4A7C15ull;

std::uint64_t Mixed(std::uint64_t z) {
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

// The smallest length that at least the given share of the weight does not exceed. A share
// met to within rounding counts as met: exact chances add up with the last bits astray.
int Percentile(const std::vector<double>& weightOfLength, double total, double share) {
  const double rank = share * total * (1 - 1e-12);
  double seen = 0;
  for (std::size_t moves = 0; moves < weightOfLength.size(); ++moves) {
    seen += weightOfLength[moves];
    if (weightOfLength[moves] > 0 && seen >= rank) return static_cast<int>(moves);
  }
  return 0;
}

// Up to ten ranges of equal width from the shortest battle to the 99th percentile; the last
// one also holds the longer battles.
std::vector<LengthRange> Histogram(const std::vector<double>& weightOfLength, double total) {
  std::vector<LengthRange> ranges;
  if (total <= 0) return ranges;
  const auto first = std::find_if(weightOfLength.begin(), weightOfLength.end(), [](double w) { return w > 0; });
  const auto last = std::find_if(weightOfLength.rbegin(), weightOfLength.rend(), [](double w) { return w > 0; });
  const int shortest = static_cast<int>(first - weightOfLength.begin());
  const int longest = static_cast<int>(weightOfLength.rend() - last) - 1;
  const int top = Percentile(weightOfLength, total, 0.99);
  const int width = (top - shortest + kHistogramRanges) / kHistogramRanges;
  for (int from = shortest; from <= top; from += width) ranges.push_back({from, from + width - 1, false, 0, 0});
  if (ranges.back().toMoves < longest) {
    ranges.back().toMoves = longest;
    ranges.back().open = true;
  }
  for (LengthRange& range : ranges) {
    double weight = 0;
    for (int moves = range.fromMoves; moves <= std::min(range.toMoves, longest); ++moves)
      weight += weightOfLength[static_cast<std::size_t>(moves)];
    range.share = weight / total;
    range.battles = static_cast<std::uint64_t>(weight);
  }
  return ranges;
}

}  // namespace

namespace {

BattleResult Fought(Battle& battle) {
  battle.Begin();
  BattleResult result;
  for (Beat beat = battle.Advance(); beat != Beat::Ended; beat = battle.Advance()) result.moves += beat == Beat::Moved;
  result.heroWon = battle.Winner() == Outcome::HeroWon;
  return result;
}

}  // namespace

BattleResult FightBattle(const Settings& settings, rt::RandomSource& dice, BattleStage& stage) {
  Battle battle(settings, dice, stage);
  return Fought(battle);
}

BattleResult FightBattle(const Settings& settings, rt::RandomSource& dice) {
  Battle battle(settings, dice);
  return Fought(battle);
}

void Tally::Add(const BattleResult& result) {
  ++battles;
  heroWins += result.heroWon;
  const auto moves = static_cast<std::size_t>(result.moves);
  if (moves >= battlesOfLength.size()) battlesOfLength.resize(moves + 1);
  ++battlesOfLength[moves];
}

void Tally::Add(const Tally& other) {
  battles += other.battles;
  heroWins += other.heroWins;
  if (other.battlesOfLength.size() > battlesOfLength.size()) battlesOfLength.resize(other.battlesOfLength.size());
  for (std::size_t moves = 0; moves < other.battlesOfLength.size(); ++moves)
    battlesOfLength[moves] += other.battlesOfLength[moves];
}

// The block's clock ticks start at a point of their own.
BlockDice::BlockDice(std::uint64_t seed, std::uint64_t block) : now_{Mixed(Mixed(seed) ^ (block * kGolden + 1)), {}} {}

// The odds' hot loop: the battle's steps, each a call of its own where the battle window takes
// them one at a time, are folded into it where the compiler can (GCC and Clang).
DUELMARK_FOLDED Tally FightBlock(const Settings& settings, std::uint64_t seed, std::uint64_t block,
                                 std::uint64_t count) {
  BlockDice dice(seed, block);
  Tally tally;
  for (std::uint64_t i = 0; i < count; ++i) tally.Add(FightBattle(settings, dice));
  return tally;
}
#undef DUELMARK_FOLDED

void DescribeLengths(Figures& figures, const std::vector<double>& weightOfLength) {
  double total = 0, totalMoves = 0;
  for (std::size_t moves = 0; moves < weightOfLength.size(); ++moves) {
    total += weightOfLength[moves];
    totalMoves += static_cast<double>(moves) * weightOfLength[moves];
  }
  if (total <= 0) return;
  figures.movesMean = totalMoves / total;
  figures.movesMedian = Percentile(weightOfLength, total, 0.5);
  figures.movesP90 = Percentile(weightOfLength, total, 0.9);
  figures.histogram = Histogram(weightOfLength, total);
}

Figures Summary(const Tally& tally, std::uint64_t seed) {
  Figures figures;
  figures.method = Method::Sampled;
  figures.battles = tally.battles;
  figures.heroWins = tally.heroWins;
  figures.enemyWins = tally.battles - tally.heroWins;
  figures.seed = seed;
  if (tally.battles == 0) return figures;
  const auto n = static_cast<double>(tally.battles);
  const double p = static_cast<double>(tally.heroWins) / n;
  const double z2 = kZ95 * kZ95;
  const double centre = (p + z2 / (2 * n)) / (1 + z2 / n);
  const double half = kZ95 * std::sqrt(p * (1 - p) / n + z2 / (4 * n * n)) / (1 + z2 / n);
  figures.heroWinRate = p;
  figures.heroWinRateLow = std::max(0.0, centre - half);
  figures.heroWinRateHigh = std::min(1.0, centre + half);
  DescribeLengths(figures, std::vector<double>(tally.battlesOfLength.begin(), tally.battlesOfLength.end()));
  return figures;
}

Run::Run(const Settings& settings, std::uint64_t battles, std::uint64_t seed)
    : settings_(settings), battles_(battles), seed_(seed) {
  // Refused at once, and not at the first slice.
  if (const auto unfit = Unfit(settings)) throw std::invalid_argument(*unfit);
}

void Run::Fight(std::uint64_t count) {
  for (std::uint64_t i = 0; i < count && !Done(); ++i) {
    const std::uint64_t block = tally_.battles / kBlockBattles;
    if (tally_.battles % kBlockBattles == 0) dice_.emplace(seed_, block);
    tally_.Add(FightBattle(settings_, *dice_));
  }
}

}  // namespace duelmark::Odds
