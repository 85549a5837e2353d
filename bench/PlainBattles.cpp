#include "PlainBattles.h"

#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <utility>
#include <vector>

namespace duelmark::bench {
namespace {

constexpr std::uint64_t kGolden = 0x9E3779B97F4A7C15ull;

std::uint64_t Mixed(std::uint64_t z) {
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

// Every result of the battle is held to 16 bits.
int Held(int value) { return value > 32767 ? 32767 : value < -32768 ? -32768 : value; }

// A draw of 24 bits at or above this is 0.75 or more: twice it rounds to 2, a suicide.
constexpr std::uint32_t kSuicideDraw = 3u << 22;
// Adding and taking away 2^23 rounds a float below 2^22 to a whole number, halves to even.
constexpr float kRounder = 8388608.0f;
// What the Hero's estimates hold before it has made that move.
constexpr int kUntried = -1000;

}  // namespace

Odds::Tally FightPlainBlock(const Settings& settings, std::uint64_t seed, std::uint64_t block, std::uint64_t count) {
  // The block's dice, as Odds::BlockDice draws them: before every draw, the next clock tick
  // mixed into the state, which then steps twice (the re-seed's step and the draw's own).
  std::uint64_t ticks = Mixed(Mixed(seed) ^ (block * kGolden + 1));
  std::uint64_t dice = kGolden;
  const auto draw = [&ticks, &dice]() -> std::uint32_t {
    ticks += kGolden;
    dice ^= Mixed(ticks + kGolden);
    dice += 2 * kGolden;
    return static_cast<std::uint32_t>(Mixed(dice) >> 40);
  };

  const int enemies = settings.NumEnemies;
  const int heroFull = settings.Hero.Health, heroAttack = settings.Hero.Attack, heroDefence = settings.Hero.Defence,
            heroMagic = settings.Hero.Magic;
  const int enemyFull = settings.Enemy.Health, enemyAttack = settings.Enemy.Attack,
            enemySuicide = settings.Enemy.Suicide;
  // A hit against the Enemies' defences, and by each Enemy move against the Hero's.
  const int attackDamage = Held(heroAttack - settings.Enemy.Defence);
  const int magicDamage = Held(heroMagic - settings.Enemy.MagicDef);
  const int attackHit = Held(enemyAttack - heroDefence), suicideHit = Held(enemySuicide - heroDefence);
  const float spread = static_cast<float>(enemies - 1);

  Odds::Tally tally;
  tally.battles = count;
  std::vector<std::uint64_t>& lengths = tally.battlesOfLength;
  for (std::uint64_t battle = 0; battle < count; ++battle) {
    int heroHealth = heroFull;
    int health[kMaxEnemies + 1];
    bool alive[kMaxEnemies + 1] = {};
    for (int i = 1; i <= enemies; ++i) {
      health[i] = enemyFull;
      alive[i] = true;
    }
    int standing = enemies;
    int attackEstimate = kUntried, magicEstimate = kUntried, worstHit = 0;
    int turn = 0, moves = 0;
    bool heroWon = false;
    for (;;) {
      ++moves;
      if (turn == 0) {
        // The target: one drawn among those standing, every time, then the weakest wounded
        // Enemy in its place if there is one.
        int target = 0;
        do {
          const float r = static_cast<float>(draw()) * 0x1.0p-24f;
          target = static_cast<int>((spread * r + 1.0f + kRounder) - kRounder);
        } while (!alive[target]);
        for (int i = 1, weakest = enemyFull; i <= enemies; ++i) {
          if (alive[i] && health[i] < weakest) {
            weakest = health[i];
            target = i;
          }
        }
        // The Hero's rule: while safe, each move once and then the better one; else a cure if
        // it outlasts a pass of the Enemies' hits; else the better move.
        const int passDamage = worstHit * standing;
        const bool safe = heroHealth >= heroFull || 2 * passDamage < heroHealth;
        if (!safe && passDamage <= heroMagic + heroHealth) {
          heroHealth = Held(heroHealth + heroMagic);
          if (heroHealth > heroFull) heroHealth = heroFull;
        } else {
          const bool attack =
              safe ? attackEstimate == kUntried || (magicEstimate != kUntried && attackEstimate > magicEstimate)
                   : attackEstimate > magicEstimate;
          const int damage = attack ? attackDamage : magicDamage;
          (attack ? attackEstimate : magicEstimate) = damage;
          health[target] = Held(health[target] - damage);
          if (health[target] <= 0) {
            alive[target] = false;
            if (--standing == 0) {
              heroWon = true;
              break;
            }
          }
        }
      } else {
        const bool suicide = draw() >= kSuicideDraw;
        const int hit = suicide ? suicideHit : attackHit;
        heroHealth = Held(heroHealth - hit);
        if (hit > worstHit) worstHit = hit;
        if (suicide) health[turn] = 0;
        // An Enemy set up without hit points retires after its own attack.
        if (health[turn] <= 0) {
          alive[turn] = false;
          --standing;
        }
        if (heroHealth <= 0) break;
        if (standing == 0) {
          heroWon = true;
          break;
        }
      }
      do turn = turn == enemies ? 0 : turn + 1;
      while (turn != 0 && !alive[turn]);
    }
    tally.heroWins += heroWon;
    const auto length = static_cast<std::size_t>(moves);
    if (length >= lengths.size()) lengths.resize(length + 1);
    ++lengths[length];
  }
  return tally;
}

void RequirePlainBattlesMatchEngine() {
  struct Case {
    const char* name;
    Settings settings;
  };
  const auto with = [](int enemies, std::initializer_list<std::pair<std::size_t, Int16>> changes) {
    Settings settings = DefaultSettings();
    settings.NumEnemies = static_cast<Int16>(enemies);
    for (const auto& [statistic, value] : changes) SetValue(settings, kStatistics[statistic], value);
    return settings;
  };
  // Indices as in the statistics' table: 0 Hero Health, 1 Attack, 2 Defence, 3 Magic, 4 Magic
  // Def., 5 Enemy Health, 6 Attack, 7 Suicide Attack, 8 Defence, 9 Magic Def.
  const Case cases[] = {
      {"defaults, 1 Enemy", with(1, {})},
      {"defaults, 5 Enemies", with(5, {})},
      {"Hero Health 40, 3 Enemies", with(3, {{0, 40}})},
      {"Hero Attack 8, Magic 9, Enemy Attack 20, 4 Enemies", with(4, {{1, 8}, {3, 9}, {6, 20}})},
      {"a harmful cure and Enemies without hit points, 5 Enemies", with(5, {{3, -7}, {5, -3}, {0, 300}})},
      {"the ends of the 16-bit range, 2 Enemies",
       with(2, {{0, 32767}, {1, -32768}, {3, 32767}, {5, 32767}, {6, -32768}, {7, 32767}, {8, 32767}, {9, -32768}})},
      {"Enemy Suicide Attack 1000, 1 Enemy", with(1, {{7, 1000}})},
  };
  for (const Case& c : cases) {
    for (const std::uint64_t seed : {1ull, 42ull, 20261208ull}) {
      for (const std::uint64_t block : {0ull, 7ull}) {
        const Odds::Tally engine = Odds::FightBlock(c.settings, seed, block, Odds::kBlockBattles);
        const Odds::Tally plain = FightPlainBlock(c.settings, seed, block, Odds::kBlockBattles);
        if (plain.battles == engine.battles && plain.heroWins == engine.heroWins &&
            plain.battlesOfLength == engine.battlesOfLength)
          continue;
        std::fprintf(stderr,
                     "The plain loop fights other battles than the engine (%s, seed %llu, block %llu): "
                     "the Hero wins %llu against %llu of %llu.\n",
                     c.name, static_cast<unsigned long long>(seed), static_cast<unsigned long long>(block),
                     static_cast<unsigned long long>(plain.heroWins), static_cast<unsigned long long>(engine.heroWins),
                     static_cast<unsigned long long>(engine.battles));
        std::abort();
      }
    }
  }
}

}  // namespace duelmark::bench
