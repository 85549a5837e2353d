#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <optional>
#include <tuple>
#include <utility>

#include "Battle.h"
#include "MoveChooser.h"
#include "ScriptedRandom.h"

namespace duelmark::testing {
namespace {

// A stage that counts its redraws and notes the last move it was given to show.
struct MoveNotingStage final : BattleStage {
  void RefreshBattlefield(const BattleState&) override { ++redraws; }
  void ShowMove(Move move, const BattleState&) override { shown = move; }
  int redraws = 0;
  std::optional<Move> shown;
};
using enum Move;

// A battle of the default statistics against three Enemies, begun, on scripted draws.
class Decisions : public ::testing::Test {
 protected:
  Decisions() { Against(3, scripted_); }

  void Against(int enemies, rt::RandomSource& dice) {
    Settings settings = DefaultSettings();
    settings.NumEnemies = static_cast<Int16>(enemies);
    battle_.emplace(settings, dice, stage_);
    battle_->Begin();
  }
  Battle& Fight() { return *battle_; }
  BattleState& State() { return battle_->State; }
  void Draws(std::initializer_list<float> draws) { scripted_.draws.insert(scripted_.draws.end(), draws); }

  // Lets the Hero decide with the given health and estimates; answers the move it made.
  std::optional<Move> HeroDecides(int health, int attackEstimate, int magicEstimate) {
    State().Hero.Health = static_cast<Int16>(health);
    State().AttackEstimate = static_cast<Int16>(attackEstimate);
    State().MagicEstimate = static_cast<Int16>(magicEstimate);
    stage_.shown.reset();
    Draws({0.0f});
    MoveChooser::ChooseHeroMove(Fight());
    return stage_.shown;
  }

  Int16 PickWith(int enemies, float r) {
    State().NumEnemies = static_cast<Int16>(enemies);
    for (int i = 1; i <= 5; ++i) State().Enemies(i).Alive = rt::Flag(i <= enemies);
    Draws({r});
    MoveChooser::PickRandomEnemy(Fight());
    return State().PickedEnemy;
  }

  ScriptedRandom scripted_;
  MoveNotingStage stage_;
  std::optional<Battle> battle_;
};

constexpr int kUntried = BattleState::kUntried;

// With three Enemies alive, D is the largest hit seen times three: a Hero safe from 2D, or
// unhurt, tries attack, then magic, then the better estimate (ties to magic); one in danger
// cures while D is at most Magic + Health, and otherwise fights with the better estimate.
TEST_F(Decisions, TheHeroTriesEachMoveWhileSafeCuresWhileItCanKeepUpAndElseFightsWithTheBetter) {
  struct Case {
    int largestHit, magic, health, attackEstimate, magicEstimate;
    Move move;
  };
  const Case cases[] = {
      {0, 20, 100, kUntried, kUntried, HeroAttack},
      {0, 20, 100, 10, kUntried, HeroMagic},
      {0, 20, 100, 11, 10, HeroAttack},
      {0, 20, 100, 10, 10, HeroMagic},
      {0, 20, 100, -5, 0, HeroMagic},
      {90, 20, 101, 12, kUntried, HeroMagic},      // above the maximum after a negative hit: unhurt
      {0, 20, 1, kUntried, kUntried, HeroAttack},  // nobody has hit yet: always safe, never a cure
      {0, 20, 90, 5, kUntried, HeroMagic},
      {0, 20, 90, 5, 4, HeroAttack},
      {0, 20, 90, 4, 4, HeroMagic},
      {14, 20, 90, 4, 9, HeroMagic},     // 2D = 84 < 90
      {15, 20, 90, 30, 20, HeroCure},    // 2D = 90: not safe
      {10, 20, 10, 30, 20, HeroCure},    // D = 30 = Magic 20 + Health 10
      {10, 19, 10, 30, 20, HeroAttack},  // D = 30 > 29
      {10, 19, 10, 20, 20, HeroMagic},
      {10, 19, 10, kUntried, 5, HeroMagic},  // the marker loses as the number it is
      {10, 19, 10, 5, kUntried, HeroAttack},
  };
  for (const Case& c : cases) {
    State().MaxEnemyDamage = static_cast<Int16>(c.largestHit);
    State().Hero.Magic = static_cast<Int16>(c.magic);
    EXPECT_EQ(HeroDecides(c.health, c.attackEstimate, c.magicEstimate), c.move)
        << c.largestHit << " " << c.magic << " " << c.health << " " << c.attackEstimate << " " << c.magicEstimate;
  }
  EXPECT_EQ(State().HeroMoves, static_cast<int>(std::size(cases)));
  State().HeroMoves = 32767;
  HeroDecides(100, 12, 30);
  EXPECT_EQ(State().HeroMoves, 32767);  // saturates instead of ending the program
  // Unhurt with both moves tried, the rule works out the factorial of the three Enemies alive
  // once the better move would fell an unhurt Enemy at one hit.
  State().EnemyFullHealth = 20;
  State().FactorialValue = 0;
  HeroDecides(100, 10, 19);
  EXPECT_EQ(State().FactorialValue, 0);
  HeroDecides(100, 20, 10);
  EXPECT_EQ(State().FactorialValue, 6);
}

TEST_F(Decisions, ExtremeNumbersAreComparedExactly) {
  // Four Enemies whose largest hit is 4096: 2D = 32768 does not fit 16 bits.
  Against(4, scripted_);
  State().MaxEnemyDamage = 4096;
  State().Hero.MaxHealth = 32767;
  EXPECT_EQ(HeroDecides(32000, 30, 20), HeroCure);  // D = 16384 <= 32020
  // S = 32767 + 32000 does not fit either.
  State().Hero.Magic = 32767;
  EXPECT_EQ(HeroDecides(32000, 30, 20), HeroCure);
  State().MaxEnemyDamage = 32767;
  State().Hero.Magic = -32768;
  EXPECT_EQ(HeroDecides(-32768, 30, 20), HeroAttack);  // D = 131068 > S = -65536
}

TEST_F(Decisions, TheHeroAimsAtTheWeakestWoundedEnemy) {
  Draws({0.9f});  // x = 2.8: Enemy 3 while nobody is wounded
  MoveChooser::ChooseHeroTarget(Fight());
  EXPECT_EQ(State().HeroTarget, 3);

  State().Enemies(2).Health = 15;
  Draws({0.0f});
  MoveChooser::ChooseHeroTarget(Fight());
  EXPECT_EQ(State().HeroTarget, 2);

  State().Enemies(3).Health = 15;  // equal health: the lower index
  Draws({0.9f});
  MoveChooser::ChooseHeroTarget(Fight());
  EXPECT_EQ(State().HeroTarget, 2);

  State().Enemies(3).Health = -4;
  Draws({0.0f});
  MoveChooser::ChooseHeroTarget(Fight());
  EXPECT_EQ(State().HeroTarget, 3);
}

TEST_F(Decisions, AnEnemyAboveFullHealthOrFallenIsNeverPreferred) {
  State().Enemies(1).Health = 25;
  Draws({0.9f});
  MoveChooser::ChooseHeroTarget(Fight());
  EXPECT_EQ(State().HeroTarget, 3);

  // Enemy 1 has fallen; its maximum still sets the threshold.
  State().Enemies(1) = {.Health = 0, .MaxHealth = 20, .Alive = rt::kFalse};
  State().Enemies(3).Health = 19;
  Draws({0.0f, 0.5f});  // the draw of the fallen Enemy 1 is repeated
  MoveChooser::ChooseHeroTarget(Fight());
  EXPECT_EQ(State().HeroTarget, 3);
  EXPECT_EQ(scripted_.reseeds, 3);
}

TEST_F(Decisions, AnEnemyAttacksBelowThreeQuartersAndUsesSuicideFromThere) {
  const std::pair<float, Move> cases[] = {{0.0f, EnemyAttack},
                                          {0.25f, EnemyAttack},
                                          {std::nextafter(0.75f, 0.0f), EnemyAttack},
                                          {0.75f, EnemySuicide},
                                          {std::nextafter(1.0f, 0.0f), EnemySuicide}};
  State().Turn = 2;
  int moves = 0;
  for (const auto& [r, move] : cases) {
    State().Enemies(2).Health = 20;
    Draws({r});
    MoveChooser::ChooseEnemyMove(Fight());
    EXPECT_EQ(stage_.shown, move) << r;
    EXPECT_EQ(State().EnemyMoves, ++moves);
  }
  EXPECT_EQ(State().EnemyMove, 2);
  EXPECT_EQ(scripted_.reseeds, 5);
}

TEST_F(Decisions, NextTurnPassesOverRetiredEnemiesWithARedrawForEach) {
  stage_.redraws = 0;
  State().Enemies(3).Alive = rt::kFalse;
  State().Turn = 2;
  Draws({0.0f});
  Fight().NextTurn();  // 3 is passed over, then the Hero moves
  EXPECT_EQ(State().Turn, 0);
  EXPECT_EQ(stage_.redraws, 2);
  EXPECT_EQ(State().HeroMoves, 1);

  State().Enemies(1).Alive = State().Enemies(2).Alive = rt::kFalse;
  State().Enemies(3).Alive = rt::kTrue;
  Draws({0.4f});
  Fight().NextTurn();  // 1 and 2 are passed over, Enemy 3 attacks
  EXPECT_EQ(State().Turn, 3);
  EXPECT_EQ(stage_.redraws, 5);
  EXPECT_EQ(stage_.shown, EnemyAttack);
}

TEST_F(Decisions, RandomEnemyIndicesFollowTheirBoundaries) {
  // x = (n - 1) * r + 1 in single precision: the exact boundaries hold, and just inside them
  // the float sum itself rounds onto the half, so the neighbours are taken a little further.
  const std::tuple<int, float, int> picks[] = {{1, 0.99f, 1},   {2, 0.4999f, 1},
                                               {2, 0.5f, 2},    {3, 0.2499f, 1},
                                               {3, 0.25f, 2},   {3, 0.75f, 2},
                                               {3, 0.7501f, 3}, {4, 0.1666f, 1},
                                               {4, 0.1667f, 2}, {4, 0.5f, 2},
                                               {4, 0.5001f, 3}, {4, 0.8333f, 3},
                                               {4, 0.8334f, 4}, {5, 0.1249f, 1},
                                               {5, 0.125f, 2},  {5, 0.375f, 2},
                                               {5, 0.3751f, 3}, {5, 0.6249f, 3},
                                               {5, 0.625f, 4},  {5, 0.875f, 4},
                                               {5, 0.8751f, 5}, {5, std::nextafter(1.0f, 0.0f), 5}};
  for (const auto& [enemies, r, picked] : picks) EXPECT_EQ(PickWith(enemies, r), picked) << enemies << " " << r;
}

// The real generator, counting its draws.
class CountedRandom final : public rt::RandomSource {
 public:
  void Reseed() override { random_.Reseed(); }
  float Next() override {
    ++draws;
    return random_.Next();
  }
  long draws = 0;

 private:
  rt::ClockSeededRandom random_{[] { return std::uint64_t{20261208}; }};  // a clock that never moves
};

// Shares of many draws with the real generator on a clock that never moves, so the run
// repeats exactly.
class Shares : public Decisions {
 protected:
  Shares() { Against(5, counted_); }

  std::vector<double> PickShares(int draws) {
    std::vector<double> shares(6, 0.0);
    for (int i = 0; i < draws; ++i) {
      MoveChooser::PickRandomEnemy(Fight());
      shares[static_cast<std::size_t>(State().PickedEnemy)] += 1.0 / draws;
    }
    return shares;
  }

  CountedRandom counted_;
};

constexpr int kDraws = 200000;
constexpr double kTolerance = 0.006;  // over six standard deviations at this count

TEST_F(Shares, EnemiesAttackThreeTimesInFour) {
  int attacks = 0;
  State().Turn = 1;
  for (int i = 0; i < kDraws; ++i) {
    MoveChooser::ChooseEnemyMove(Fight());
    attacks += State().EnemyMove == 1;
  }
  const double share = static_cast<double>(attacks) / kDraws;
  std::printf("attack share over %d draws: %.4f\n", kDraws, share);
  EXPECT_NEAR(share, 0.75, kTolerance);
}

TEST_F(Shares, FiveEnemiesAreDrawnWithHalfWeightAtTheEnds) {
  const auto shares = PickShares(kDraws);
  const double expected[] = {0, 1 / 8.0, 1 / 4.0, 1 / 4.0, 1 / 4.0, 1 / 8.0};
  for (int i = 1; i <= 5; ++i) {
    std::printf("Enemy %d of 5: %.4f\n", i, shares[static_cast<std::size_t>(i)]);
    EXPECT_NEAR(shares[static_cast<std::size_t>(i)], expected[i], kTolerance) << i;
  }
}

TEST_F(Shares, FallenEnemiesAreDrawnAgain) {
  State().Enemies(1).Alive = rt::kFalse;
  State().Enemies(3).Alive = rt::kFalse;
  const auto shares = PickShares(kDraws);
  EXPECT_EQ(shares[1], 0.0);
  EXPECT_EQ(shares[3], 0.0);
  for (auto [i, expected] : {std::pair{2, 0.4}, {4, 0.4}, {5, 0.2}}) {
    std::printf("Enemy %d with 1 and 3 fallen: %.4f\n", i, shares[static_cast<std::size_t>(i)]);
    EXPECT_NEAR(shares[static_cast<std::size_t>(i)], expected, kTolerance) << i;
  }
}

// The lone living Enemy has one chance in eight per draw. Each re-seed on a clock that has not
// moved still gives a fresh draw, so it takes eight draws on average; a generator that
// repeated itself would take one draw or never end.
TEST_F(Shares, TheOnlyLivingEnemyAmongFiveIsFoundInEightDrawsOnAverage) {
  for (int i = 1; i <= 4; ++i) State().Enemies(i).Alive = rt::kFalse;
  constexpr int kPicks = kDraws / 8;
  for (int i = 0; i < kPicks; ++i) {
    MoveChooser::PickRandomEnemy(Fight());
    ASSERT_EQ(State().PickedEnemy, 5);
  }
  const double mean = static_cast<double>(counted_.draws) / kPicks;
  std::printf("draws per pick of the only living Enemy: %.3f\n", mean);
  EXPECT_NEAR(mean, 8.0, 0.3);  // six standard deviations at this count
}

}  // namespace
}  // namespace duelmark::testing
