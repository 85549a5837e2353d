#pragma once
// The ten fighters' statistics that a battle is set up from, and the number of Enemies, in one
// table: each one's name, battle-state member, default and bounds. The settings window, the
// launch, the command line, the odds and the benchmarks all read it, and every caption,
// refusal name, spoken name and option name is derived from it.
#include <array>
#include <limits>
#include <string>
#include <string_view>

#include "BattleState.h"
#include "Texts.h"

namespace duelmark {

enum class Side { Hero, Enemy };

struct Statistic {
  Side side;
  std::string_view name;                 // "Suicide Attack": its caption is "Suicide Attack ="
  Int16Member<HeroRecord> heroMember;    // for the Hero's statistics
  Int16Member<EnemyRecord> enemyMember;  // for the Enemy's statistics
  Int16 defaultValue;                    // what a battle starts from until the user changes it
};

// In launch order: the order in which they are converted and refused.
inline constexpr std::array<Statistic, 10> kStatistics{{
    {Side::Hero, rt::N_("Health"), &HeroRecord::Health, nullptr, 100},
    {Side::Hero, rt::N_("Attack"), &HeroRecord::Attack, nullptr, 15},
    {Side::Hero, rt::N_("Defence"), &HeroRecord::Defence, nullptr, 10},
    {Side::Hero, rt::N_("Magic"), &HeroRecord::Magic, nullptr, 20},
    {Side::Hero, rt::N_("Magic Def."), &HeroRecord::MagicDef, nullptr, 10},
    {Side::Enemy, rt::N_("Health"), nullptr, &EnemyRecord::Health, 20},
    {Side::Enemy, rt::N_("Attack"), nullptr, &EnemyRecord::Attack, 15},
    {Side::Enemy, rt::N_("Suicide Attack"), nullptr, &EnemyRecord::Suicide, 30},
    {Side::Enemy, rt::N_("Defence"), nullptr, &EnemyRecord::Defence, 5},
    {Side::Enemy, rt::N_("Magic Def."), nullptr, &EnemyRecord::MagicDef, 10},
}};

// Every statistic may be any 16-bit number.
inline constexpr Int16 kLowestStatistic = std::numeric_limits<Int16>::min();
inline constexpr Int16 kHighestStatistic = std::numeric_limits<Int16>::max();

// The number of Enemies, which the settings window lists and the command line names "enemies".
struct EnemyCount {
  std::string_view name;
  std::string_view optionName;
  Int16 lowest;
  Int16 highest;
  Int16 defaultValue;
};
inline constexpr EnemyCount kEnemyCount{rt::N_("Number of Enemies"), "enemies", 1, kMaxEnemies, 1};

// The names in the user's language (English: as shown), and the option's, always English.
std::string_view SideName(Side side);                 // "Hero", "Enemy", untranslated
std::string Caption(const Statistic& statistic);      // "Suicide Attack ="
std::string SpokenName(const Statistic& statistic);   // "Enemy Suicide Attack"
std::string RefusalName(const Statistic& statistic);  // Enemy "Suicide Attack"
std::string CountName();                              // "Number of Enemies"
std::string OptionName(const Statistic& statistic);   // "enemy-suicide-attack", "hero-magic-def"

}  // namespace duelmark
