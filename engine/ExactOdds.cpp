#include "ExactOdds.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <unordered_map>
#include <vector>

#include "MoveChooser.h"

namespace duelmark::Odds {
namespace {

constexpr std::uint32_t kDraws = 1u << 24;  // every value a draw can take: k / 2^24

// What sets a settled battle's future apart; everything else is fixed by the settings or is
// written before it is read.
struct Key {
  Int16 heroHealth;
  std::array<Int16, kMaxEnemies> enemyHealth;
  std::uint8_t alive;  // bit i - 1 for Enemy i
  std::uint8_t turn;
  Int16 attackEstimate;
  Int16 magicEstimate;
  Int16 maxEnemyDamage;
  bool operator==(const Key&) const = default;
};

struct KeyHash {
  std::size_t operator()(const Key& key) const {
    std::uint64_t h = 0xcbf29ce484222325ull;
    const auto mix = [&h](std::uint64_t v) { h = (h ^ v) * 0x100000001b3ull; };
    mix(static_cast<std::uint16_t>(key.heroHealth));
    for (const Int16 health : key.enemyHealth) mix(static_cast<std::uint16_t>(health));
    mix(key.alive | std::uint64_t{key.turn} << 8);
    mix(static_cast<std::uint16_t>(key.attackEstimate) |
        std::uint64_t{static_cast<std::uint16_t>(key.magicEstimate)} << 16 |
        std::uint64_t{static_cast<std::uint16_t>(key.maxEnemyDamage)} << 32);
    return static_cast<std::size_t>(h ^ (h >> 29));
  }
};

Key KeyOf(const BattleState& state) {
  Key key{};
  key.heroHealth = state.Hero.Health;
  for (int i = 1; i <= kMaxEnemies; ++i) {
    const auto at = static_cast<std::size_t>(i - 1);
    key.enemyHealth[at] = state.Enemies(i).Health;
    if (state.Enemies(i).Alive != rt::kFalse) key.alive |= static_cast<std::uint8_t>(1u << at);
  }
  key.turn = static_cast<std::uint8_t>(state.Turn);
  key.attackEstimate = state.AttackEstimate;
  key.magicEstimate = state.MagicEstimate;
  key.maxEnemyDamage = state.MaxEnemyDamage;
  return key;
}

BattleState StateOf(const Key& key, const BattleState& start) {
  BattleState state = start;
  state.Hero.Health = key.heroHealth;
  for (int i = 1; i <= kMaxEnemies; ++i) {
    const auto at = static_cast<std::size_t>(i - 1);
    state.Enemies(i).Health = key.enemyHealth[at];
    state.Enemies(i).Alive = rt::Flag((key.alive >> at) & 1u);
  }
  state.EnemiesAlive = static_cast<Int16>(std::popcount(key.alive));
  state.Turn = key.turn;
  state.AttackEstimate = key.attackEstimate;
  state.MagicEstimate = key.magicEstimate;
  state.MaxEnemyDamage = key.maxEnemyDamage;
  return state;
}

// Hands out the one draw it is given, however often it is asked.
class OneDraw final : public rt::RandomSource {
 public:
  void Reseed() override {}
  float Next() override { return r; }
  float r = 0;
};

float DrawOf(std::uint32_t k) { return static_cast<float>(k) * 0x1.0p-24f; }

// The first draw that names each Enemy among `enemies`, and how many of the 2^24 draws do:
// the draw's Enemy never falls as the draw grows, so each Enemy's draws are one run.
struct EnemyDraws {
  std::array<float, kMaxEnemies + 1> first{};
  std::array<double, kMaxEnemies + 1> count{};
};

EnemyDraws DrawsNaming(Int16 enemies) {
  EnemyDraws draws;
  std::uint32_t from = 0;
  for (int i = 1; i <= enemies; ++i) {
    std::uint32_t low = from, high = kDraws;  // the first draw past Enemy i's run
    while (low < high) {
      const std::uint32_t mid = low + (high - low) / 2;
      if (MoveChooser::EnemyOfDraw(enemies, DrawOf(mid)) > i)
        high = mid;
      else
        low = mid + 1;
    }
    draws.first[static_cast<std::size_t>(i)] = DrawOf(from);
    draws.count[static_cast<std::size_t>(i)] = static_cast<double>(low - from);
    from = low;
  }
  return draws;
}

// An Enemy's move: attack below the first draw that means suicide.
struct MoveDraws {
  float attack = 0, suicide = 0;
  double attackChance = 0;
};

MoveDraws DrawsOfMoves() {
  std::uint32_t low = 0, high = kDraws;
  while (low < high) {
    const std::uint32_t mid = low + (high - low) / 2;
    if (MoveChooser::EnemyMoveOfDraw(DrawOf(mid)) == 2)
      high = mid;
    else
      low = mid + 1;
  }
  return {DrawOf(0), DrawOf(low), static_cast<double>(low) / kDraws};
}

// Where one move leads: a settled state, or the end with its winner.
constexpr std::uint32_t kHeroWon = UINT32_MAX, kEnemiesWon = UINT32_MAX - 1;
struct Step {
  std::uint32_t to;
  double chance;
};

class Explorer {
 public:
  Explorer(const Settings& settings, std::size_t maxStates)
      : battle_(settings, dice_),
        maxStates_(maxStates),
        enemyDraws_(DrawsNaming(settings.NumEnemies)),
        moveDraws_(DrawsOfMoves()) {
    battle_.Begin();
    start_ = battle_.State;
  }

  // Every state the battle can reach and each one's moves; false past the limit. The first is
  // the start: the Hero's opening move is the move that NextTurn makes after the last Enemy's
  // turn.
  bool Explore() {
    BattleState opening = start_;
    opening.Turn = opening.LastTurn;
    IndexOf(KeyOf(opening));
    for (std::size_t next = 0; next < keys_.size(); ++next) {
      if (keys_.size() > maxStates_) return false;
      firstStep_.push_back(static_cast<std::uint32_t>(steps_.size()));
      AddMoves(StateOf(keys_[next], start_));
    }
    firstStep_.push_back(static_cast<std::uint32_t>(steps_.size()));
    return keys_.size() <= maxStates_;
  }

  // The chance of each length, move by move, and of the Hero's win: followed until what is
  // left of the battles still going is below kExactTail. Every Enemy uses its suicide one turn
  // in four, so that is soon, cycles or not.
  Figures Follow() const {
    std::vector<double> chanceOfLength(1, 0.0);
    double heroWins = 0;
    // The chance of being in each state before the next move, and the states where it is not 0.
    std::vector<double> now(keys_.size(), 0.0), next(keys_.size(), 0.0);
    std::vector<std::uint32_t> held{0}, nextHeld;
    std::vector<std::uint32_t> heldAtMove(keys_.size(), 0);
    now[0] = 1.0;
    for (std::uint32_t move = 1; !held.empty(); ++move) {
      double ended = 0, left = 0;
      for (const std::uint32_t s : held) {
        const double mass = now[s];
        now[s] = 0;
        for (std::uint32_t i = firstStep_[s]; i < firstStep_[s + 1]; ++i) {
          const Step& step = steps_[i];
          const double share = mass * step.chance;
          if (step.to >= kEnemiesWon) {
            ended += share;
            if (step.to == kHeroWon) heroWins += share;
            continue;
          }
          if (heldAtMove[step.to] != move) {
            heldAtMove[step.to] = move;
            nextHeld.push_back(step.to);
          }
          next[step.to] += share;
          left += share;
        }
      }
      chanceOfLength.push_back(ended);
      now.swap(next);
      held.swap(nextHeld);
      nextHeld.clear();
      if (left <= kExactTail) break;
    }
    Figures figures;
    figures.method = Method::Exact;
    figures.states = keys_.size();
    // Chances added up may pass 1 in their last bit.
    figures.heroWinRate = figures.heroWinRateLow = figures.heroWinRateHigh = std::clamp(heroWins, 0.0, 1.0);
    DescribeLengths(figures, chanceOfLength);
    return figures;
  }

 private:
  std::uint32_t IndexOf(const Key& key) {
    const auto [at, added] = index_.try_emplace(key, static_cast<std::uint32_t>(keys_.size()));
    if (added) keys_.push_back(key);
    return at->second;
  }

  // The battle's move from the state on the draw r, settled: where it leads.
  std::uint32_t After(const BattleState& state, float r) {
    dice_.r = r;
    battle_.Resume(state);
    battle_.Advance();
    return Settle();
  }

  std::uint32_t Settle() {
    if (battle_.Advance() == Beat::Settled) return IndexOf(KeyOf(battle_.State));
    return battle_.Winner() == Outcome::HeroWon ? kHeroWon : kEnemiesWon;
  }

  void Add(std::uint32_t to, double chance) {
    for (std::size_t i = firstStep_.back(); i < steps_.size(); ++i) {
      if (steps_[i].to == to) {
        steps_[i].chance += chance;
        return;
      }
    }
    steps_.push_back({to, chance});
  }

  // Each move from the state, with its chance. Who moves is the battle's own business: a try
  // with the draw that names the first living Enemy shows whether the Hero moved (on that draw,
  // a target) or an Enemy did (on that draw, a move), and so which draws decide the move.
  void AddMoves(const BattleState& state) {
    int firstAlive = 1;
    while (firstAlive < kMaxEnemies && state.Enemies(firstAlive).Alive == rt::kFalse) ++firstAlive;
    const float tried = enemyDraws_.first[static_cast<std::size_t>(firstAlive)];
    dice_.r = tried;
    battle_.Resume(state);
    battle_.Advance();
    const bool heroMoved = battle_.State.Turn == 0;
    const std::uint32_t triedTo = Settle();
    if (!heroMoved) {
      const bool attacked = MoveChooser::EnemyMoveOfDraw(tried) == 1;
      Add(triedTo, attacked ? moveDraws_.attackChance : 1 - moveDraws_.attackChance);
      Add(After(state, attacked ? moveDraws_.suicide : moveDraws_.attack),
          attacked ? 1 - moveDraws_.attackChance : moveDraws_.attackChance);
      return;
    }
    // A fallen Enemy's draw is drawn again: the target is one of the living, by their draws.
    double living = 0;
    for (int i = 1; i <= state.NumEnemies; ++i)
      if (state.Enemies(i).Alive != rt::kFalse) living += enemyDraws_.count[static_cast<std::size_t>(i)];
    for (int i = firstAlive; i <= state.NumEnemies; ++i) {
      if (state.Enemies(i).Alive == rt::kFalse) continue;
      const auto at = static_cast<std::size_t>(i);
      Add(i == firstAlive ? triedTo : After(state, enemyDraws_.first[at]), enemyDraws_.count[at] / living);
    }
  }

  OneDraw dice_;
  Battle battle_;
  std::size_t maxStates_;
  EnemyDraws enemyDraws_;
  MoveDraws moveDraws_;
  BattleState start_;
  std::vector<Key> keys_;
  std::unordered_map<Key, std::uint32_t, KeyHash> index_;
  std::vector<std::uint32_t> firstStep_;
  std::vector<Step> steps_;
};

}  // namespace

std::optional<Figures> Exact(const Settings& settings, std::size_t maxStates) {
  if (const auto unfit = Unfit(settings)) throw std::invalid_argument(*unfit);
  Explorer explorer(settings, maxStates);
  if (!explorer.Explore()) return std::nullopt;
  return explorer.Follow();
}

}  // namespace duelmark::Odds
