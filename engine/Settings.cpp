#include "Settings.h"

namespace duelmark {

Int16 Value(const Settings& settings, const Statistic& statistic) {
  return statistic.side == Side::Hero ? settings.Hero.*statistic.heroMember : settings.Enemy.*statistic.enemyMember;
}

void SetValue(Settings& settings, const Statistic& statistic, Int16 value) {
  if (statistic.side == Side::Hero) settings.Hero.*statistic.heroMember = value;
  if (statistic.side == Side::Enemy) settings.Enemy.*statistic.enemyMember = value;
}

Settings DefaultSettings() {
  Settings settings;
  for (const Statistic& statistic : kStatistics) SetValue(settings, statistic, statistic.defaultValue);
  return settings;
}

std::optional<std::string> Unfit(const Settings& settings) {
  if (settings.NumEnemies >= kEnemyCount.lowest && settings.NumEnemies <= kEnemyCount.highest) return std::nullopt;
  return "A battle has " + std::to_string(kEnemyCount.lowest) + " to " + std::to_string(kEnemyCount.highest) +
         " Enemies, not " + std::to_string(settings.NumEnemies) + ".";
}

}  // namespace duelmark
