#include "Statistics.h"

#include <stdexcept>

namespace duelmark {

std::size_t StatisticOfControl(std::string_view control) {
  for (std::size_t i = 0; i < kStatistics.size(); ++i) {
    if (kStatistics[i].box == control || kStatistics[i].label == control) return i;
  }
  throw std::logic_error("no statistic's row holds " + std::string(control));
}

std::string_view SideName(Side side) { return side == Side::Hero ? "Hero" : "Enemy"; }

std::string Caption(const Statistic& statistic) { return std::string(statistic.name) + " ="; }

std::string SpokenName(const Statistic& statistic) {
  return std::string(SideName(statistic.side)) + " " + std::string(statistic.name);
}

std::string RefusalName(const Statistic& statistic) {
  return std::string(SideName(statistic.side)) + " \"" + std::string(statistic.name) + "\"";
}

StatisticValues DefaultValues() {
  StatisticValues values{};
  for (std::size_t i = 0; i < kStatistics.size(); ++i) values[i] = kStatistics[i].defaultValue;
  return values;
}

void FillBattleState(Int16 enemies, const StatisticValues& values) {
  State.NumEnemies = enemies;
  State.Hero = {.Alive = rt::kTrue};
  for (int i = 1; i <= kMaxEnemies; ++i) State.Enemies(i).Alive = rt::kFalse;
  for (int i = 1; i <= State.NumEnemies; ++i) State.Enemies(i).Alive = rt::kTrue;
  for (std::size_t s = 0; s < kStatistics.size(); ++s) {
    const Statistic& statistic = kStatistics[s];
    if (statistic.side == Side::Hero) State.Hero.*statistic.heroMember = values[s];
    for (int i = 1; i <= State.NumEnemies && statistic.side == Side::Enemy; ++i) {
      State.Enemies(i).*statistic.enemyMember = values[s];
    }
  }
  State.Hero.MaxHealth = State.Hero.Health;
  for (int i = 1; i <= State.NumEnemies; ++i) State.Enemies(i).MaxHealth = State.Enemies(i).Health;
}

}  // namespace duelmark
