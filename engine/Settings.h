#pragma once
// What a battle is set up from: the number of Enemies, the Hero's statistics and one Enemy's,
// which each of the Enemies gets. The settings window, the command line and the odds all hold
// a setting as this one type.
#include <optional>
#include <string>

#include "BattleState.h"
#include "Statistics.h"

namespace duelmark {

// Health is also the maximum; MaxHealth and Alive are the set-up's and ignored here.
struct Settings {
  Int16 NumEnemies = kEnemyCount.defaultValue;
  HeroRecord Hero;
  EnemyRecord Enemy;
};

Int16 Value(const Settings& settings, const Statistic& statistic);
void SetValue(Settings& settings, const Statistic& statistic, Int16 value);

// Every statistic's default against the default number of Enemies.
Settings DefaultSettings();

// Why a battle cannot hold the setting, or none when it can.
std::optional<std::string> Unfit(const Settings& settings);

}  // namespace duelmark
