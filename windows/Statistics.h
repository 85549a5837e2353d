#pragma once
// The ten fighters' statistics that the settings window asks for, in one table: each one's
// caption, battle-state member and row. The settings window, its Defaults, the
// launch, the tests and the benchmark all read it.
#include <array>
#include <string>
#include <string_view>

#include "Battle.h"
#include "BattleState.h"

namespace duelmark {

enum class Side { Hero, Enemy };

struct Statistic {
  std::string_view box;  // the settings window's controls of its row
  std::string_view label;
  Side side;
  std::string_view name;                 // "Suicide Attack": its caption is "Suicide Attack ="
  Int16Member<HeroRecord> heroMember;    // for the Hero's statistics
  Int16Member<EnemyRecord> enemyMember;  // for the Enemy's statistics
  // Its row in its side's frame, in twips.
  double top;
  double labelLeft;
  double labelWidth;
  int boxTabIndex;
  int labelTabIndex;
};

// In launch order: the order in which they are converted and refused.
inline constexpr std::array<Statistic, 10> kStatistics{{
    {"txtHealth", "Label3", Side::Hero, "Health", &HeroRecord::Health, nullptr, 360, 435, 615, 6, 11},
    {"txtAttack", "Label7", Side::Hero, "Attack", &HeroRecord::Attack, nullptr, 720, 435, 615, 4, 7},
    {"txtDefence", "Label6", Side::Hero, "Defence", &HeroRecord::Defence, nullptr, 1080, 285, 855, 5, 8},
    {"txtMagic", "Label5", Side::Hero, "Magic", &HeroRecord::Magic, nullptr, 1440, 465, 615, 3, 9},
    {"txtMagicDef", "Label4", Side::Hero, "Magic Def.", &HeroRecord::MagicDef, nullptr, 1800, 120, 975, 2, 10},
    {"txtEHealth", "Label9", Side::Enemy, "Health", nullptr, &EnemyRecord::Health, 360, 795, 615, 13, 18},
    {"txtEAttack", "Label13", Side::Enemy, "Attack", nullptr, &EnemyRecord::Attack, 720, 795, 615, 14, 21},
    {"txtESuicide", "Label14", Side::Enemy, "Suicide Attack", nullptr, &EnemyRecord::Suicide, 1080, 220, 1215, 16, 22},
    {"txtEDefence", "Label12", Side::Enemy, "Defence", nullptr, &EnemyRecord::Defence, 1440, 645, 855, 15, 20},
    {"txtEMagDef", "Label10", Side::Enemy, "Magic Def.", nullptr, &EnemyRecord::MagicDef, 1800, 480, 975, 17, 19},
}};

// The index in the table of the statistic whose row holds the named control.
std::size_t StatisticOfControl(std::string_view control);

std::string_view SideName(Side side);                 // "Hero", "Enemy"
std::string Caption(const Statistic& statistic);      // "Suicide Attack ="
std::string SpokenName(const Statistic& statistic);   // "Enemy Suicide Attack"
std::string RefusalName(const Statistic& statistic);  // Enemy "Suicide Attack"
std::string OptionName(const Statistic& statistic);   // "enemy-suicide-attack", "hero-magic-def"

// The value a battle starts from until the user changes it.
Int16 DefaultValue(const Statistic& statistic);

// One value for each statistic, in the table's order.
using StatisticValues = std::array<Int16, kStatistics.size()>;
StatisticValues DefaultValues();

// A setting as the settings window holds it: the number of Enemies and every statistic.
struct Setting {
  Int16 enemies = 1;
  StatisticValues values = DefaultValues();
};

// What a battle is set up from.
Battle::Settings SettingsOf(const Setting& setting);

}  // namespace duelmark
