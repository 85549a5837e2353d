// One set of rules: fed the same random draws, the whole program, set up through its settings
// window and watched to the end in virtual time, and the odds' plain loop fight the same
// battles, move by move, to the same winner. Each side fights several battles in a row on one
// stream of draws, with nothing reset in between: every battle starts as a first one does.
#include <random>
#include <regex>
#include <string>
#include <vector>

#include "FrmBattle.h"
#include "FrmBattleSettings.h"
#include "FrmEnd.h"
#include "Harness.h"
#include "Odds.h"

namespace duelmark::testing {
namespace {

constexpr int kSettings = SAME_DRAWS_SETTINGS;

// A seeded stream of draws that re-seeding leaves alone: two copies hand out the same draws.
class SeededDraws final : public rt::RandomSource {
 public:
  explicit SeededDraws(std::uint32_t seed) : engine_(seed) {}
  void Reseed() override {}
  float Next() override { return static_cast<float>(engine_() >> 8) * 0x1.0p-24f; }

 private:
  std::mt19937 engine_;
};

// A battle as a list of moves, "HeroMagic 2 10": the move, its Enemy (the target or the actor;
// 0 for a cure) and its damage (a cure's gain), and last the winner.
using Moves = std::vector<std::string>;

const std::string kHeroWon = "The Hero has defeated all Enemies.";
const std::string kEnemiesWon = "The Enemies have defeated the Hero.";

// The move a listener hears, as the odds' stage notes it.
std::string MoveHeard(const std::string& text) {
  static const std::regex heard(
      R"(The Hero (attacked|used Magic on) Enemy (\d)\. (-?\d+) damage\..*|Hero gained (-?\d+) using Cure\..*|)"
      R"(Enemy (\d) (attacked|used Suicide on) Hero\. (-?\d+) damage\..*)");
  std::smatch m;
  if (!std::regex_match(text, m, heard)) return "unheard: " + text;
  if (m[1].matched) return (m[1] == "attacked" ? "HeroAttack " : "HeroMagic ") + m[2].str() + " " + m[3].str();
  if (m[4].matched) return "HeroCure 0 " + m[4].str();
  return (m[6] == "attacked" ? "EnemyAttack " : "EnemySuicide ") + m[5].str() + " " + m[7].str();
}

class NotingStage final : public BattleStage {
 public:
  void ShowMove(Move move, const BattleState& state) override {
    static const char* const kNames[] = {"HeroAttack", "HeroMagic", "HeroCure", "EnemyAttack", "EnemySuicide"};
    const bool hero = move == Move::HeroAttack || move == Move::HeroMagic;
    const int enemy = move == Move::HeroCure ? 0 : hero ? state.HeroTarget : state.Turn;
    const Int16 amount = move == Move::HeroCure ? state.Hero.Magic : state.Damage;
    moves.push_back(std::string(kNames[static_cast<int>(move)]) + " " + std::to_string(enemy) + " " +
                    std::to_string(amount));
  }
  Moves moves;
};

class SameDraws : public Harness, public rt::RuntimeObserver {
 protected:
  // The battles one after the other in one program: each set up through a settings window
  // opened anew once the last battle's report has been read, all on one stream of draws.
  std::vector<Moves> Watched(std::uint32_t seed, const std::vector<Settings>& battles) {
    Install(std::make_unique<SeededDraws>(seed));
    Runtime().SetObserver(this);
    std::vector<Moves> fought;
    for (const Settings& battle : battles) {
      heard_.clear();
      FrmBattleSettings& settings = frmBattleSettings();
      settings.Show();
      if (rt::Window* report = Runtime().FindLoaded(FrmEnd::kName)) report->Unload();
      Runtime().UserEdit(settings.lstNumEn, rt::ToText(battle.NumEnemies));
      for (std::size_t i = 0; i < kStatistics.size(); ++i)
        Runtime().UserEdit(settings.StatisticBox(i), rt::ToText(Value(battle, kStatistics[i])));
      Runtime().Click(settings.cmdStart);
      Runtime().Click(frmBattle().cmdStart);
      while (Runtime().NextTimerDue()) AdvanceMs(3'600'000);
      fought.push_back(heard_);
      fought.back().push_back(frmEnd().lblEnd.Caption());
    }
    Runtime().SetObserver(nullptr);
    return fought;
  }

  // The same battles fought by the odds' loop, one after the other on one stream of draws.
  static std::vector<Moves> Unseen(std::uint32_t seed, const std::vector<Settings>& battles) {
    SeededDraws dice(seed);
    std::vector<Moves> fought;
    for (const Settings& battle : battles) {
      NotingStage stage;
      const Odds::BattleResult result = Odds::FightBattle(battle, dice, stage);
      stage.moves.push_back(result.heroWon ? kHeroWon : kEnemiesWon);
      EXPECT_EQ(result.moves + 1, static_cast<int>(stage.moves.size()));
      fought.push_back(stage.moves);
    }
    return fought;
  }

  void Announced(rt::Control& control, const std::string& text) override {
    if (control.Name() == "lblInfo" && !text.starts_with("The Battle is Over")) heard_.push_back(MoveHeard(text));
  }

  Moves heard_;
};

// Everyday statistics, and now and then an extreme one: the range's ends, zero, one.
Settings RandomSettings(std::mt19937& dice) {
  static constexpr Int16 kExtremes[] = {-32768, -1, 0, 1, 32767};
  Settings settings;
  settings.NumEnemies = static_cast<Int16>(1 + dice() % kMaxEnemies);
  for (const Statistic& statistic : kStatistics) {
    SetValue(settings, statistic,
             dice() % 8 == 0 ? kExtremes[dice() % 5] : static_cast<Int16>(static_cast<int>(dice() % 141) - 20));
  }
  return settings;
}

constexpr int kBattlesInARow = 4;

TEST_F(SameDraws, TheWatchedProgramAndTheOddsFightTheSameBattles) {
  std::mt19937 dice(20261208);
  int heroWins = 0;
  for (int i = 0; i < kSettings; i += kBattlesInARow) {
    std::vector<Settings> battles;
    for (int b = 0; b < kBattlesInARow; ++b) battles.push_back(RandomSettings(dice));
    const auto seed = static_cast<std::uint32_t>(dice());
    const std::vector<Moves> watched = Watched(seed, battles);
    ASSERT_EQ(watched, Unseen(seed, battles)) << "settings " << i << " to " << i + kBattlesInARow - 1;
    for (const Moves& battle : watched) heroWins += battle.back() == kHeroWon;
  }
  // Both outcomes are met often, or the comparison proves little.
  EXPECT_GT(heroWins, kSettings / 10);
  EXPECT_LT(heroWins, kSettings * 9 / 10);
}

}  // namespace
}  // namespace duelmark::testing
