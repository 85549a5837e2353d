#include "Odds.h"

#include <algorithm>
#include <cmath>

#include "MoveChooser.h"

namespace duelmark::Odds {
namespace {

constexpr double kZ95 = 1.959963984540054;  // the normal distribution's 97.5th percentile
constexpr int kHistogramRanges = 10;

// The smallest length that at least the given share of the battles does not exceed.
int Percentile(const std::vector<std::uint64_t>& battlesOfLength, std::uint64_t battles, double share) {
  const auto rank = static_cast<std::uint64_t>(std::ceil(share * static_cast<double>(battles)));
  std::uint64_t seen = 0;
  for (std::size_t moves = 0; moves < battlesOfLength.size(); ++moves) {
    seen += battlesOfLength[moves];
    if (seen >= std::max<std::uint64_t>(rank, 1)) return static_cast<int>(moves);
  }
  return 0;
}

// Up to ten ranges of equal width from the shortest battle to the 99th percentile; the last
// one also holds the longer battles.
std::vector<LengthRange> Histogram(const std::vector<std::uint64_t>& battlesOfLength, std::uint64_t battles) {
  std::vector<LengthRange> ranges;
  if (battles == 0) return ranges;
  const auto first = std::find_if(battlesOfLength.begin(), battlesOfLength.end(), [](auto n) { return n > 0; });
  const int shortest = static_cast<int>(first - battlesOfLength.begin());
  const int top = Percentile(battlesOfLength, battles, 0.99);
  const int longest = static_cast<int>(battlesOfLength.size()) - 1;
  const int width = (top - shortest + kHistogramRanges) / kHistogramRanges;
  for (int from = shortest; from <= top; from += width) ranges.push_back({from, from + width - 1, false, 0});
  if (ranges.back().toMoves < longest) {
    ranges.back().toMoves = longest;
    ranges.back().open = true;
  }
  for (LengthRange& range : ranges) {
    for (int moves = range.fromMoves; moves <= range.toMoves; ++moves)
      range.battles += battlesOfLength[static_cast<std::size_t>(moves)];
  }
  return ranges;
}

// A stage that shows nothing, for battles that nobody watches.
class UnseenStage final : public BattleStage {
 public:
  explicit UnseenStage(rt::RandomSource& dice) : dice_(dice) {}
  rt::RandomSource& Dice() override { return dice_; }

 private:
  rt::RandomSource& dice_;
};

// While a slice runs, the odds' own battle state and stage stand in for any watched battle's.
class SetAside {
 public:
  explicit SetAside(rt::RandomSource& dice) : watched_(State), unseen_(dice) {}
  ~SetAside() { State = watched_; }
  SetAside(const SetAside&) = delete;
  SetAside& operator=(const SetAside&) = delete;

 private:
  BattleState watched_;
  UnseenStage unseen_;
};

}  // namespace

BattleResult FightBattle(const Battle::Settings& settings) {
  ResetBattleState();
  Battle::SetUp(settings);
  Battle::Begin();
  BattleResult result{.moves = 1};
  std::optional<Move> move = MoveChooser::ChooseHeroMove();
  for (;;) {
    const Battle::Outcome outcome = Battle::CheckAfterMove(*move);
    if (outcome != Battle::Outcome::GoesOn) {
      result.heroWon = outcome == Battle::Outcome::HeroWon;
      return result;
    }
    move = Battle::NextTurn();
    ++result.moves;
  }
}

Run::Run(const Battle::Settings& settings, std::uint64_t battles, std::uint64_t seed)
    : settings_(settings), battles_(battles), seed_(seed), seedTicks_(seed), dice_([this] {
        return seedTicks_ += 0x9E3779B97F4A7C15ull;
      }) {}

void Run::Fight(std::uint64_t count) {
  const SetAside setAside(dice_);
  for (std::uint64_t i = 0; i < count && fought_ < battles_; ++i, ++fought_) {
    const BattleResult result = FightBattle(settings_);
    heroWins_ += result.heroWon;
    const auto moves = static_cast<std::size_t>(result.moves);
    if (moves >= battlesOfLength_.size()) battlesOfLength_.resize(moves + 1);
    ++battlesOfLength_[moves];
  }
}

Figures Run::Summary() const {
  Figures figures;
  figures.battles = fought_;
  figures.heroWins = heroWins_;
  figures.enemyWins = fought_ - heroWins_;
  figures.seed = seed_;
  if (fought_ == 0) return figures;
  const auto n = static_cast<double>(fought_);
  const double p = static_cast<double>(heroWins_) / n;
  const double z2 = kZ95 * kZ95;
  const double centre = (p + z2 / (2 * n)) / (1 + z2 / n);
  const double half = kZ95 * std::sqrt(p * (1 - p) / n + z2 / (4 * n * n)) / (1 + z2 / n);
  figures.heroWinRate = p;
  figures.heroWinRateLow = std::max(0.0, centre - half);
  figures.heroWinRateHigh = std::min(1.0, centre + half);
  double totalMoves = 0;
  for (std::size_t moves = 0; moves < battlesOfLength_.size(); ++moves)
    totalMoves += static_cast<double>(moves) * static_cast<double>(battlesOfLength_[moves]);
  figures.movesMean = totalMoves / n;
  figures.movesMedian = Percentile(battlesOfLength_, fought_, 0.5);
  figures.movesP90 = Percentile(battlesOfLength_, fought_, 0.9);
  figures.histogram = Histogram(battlesOfLength_, fought_);
  return figures;
}

}  // namespace duelmark::Odds
