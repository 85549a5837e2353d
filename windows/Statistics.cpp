#include "Statistics.h"

#include <cctype>
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

std::string OptionName(const Statistic& statistic) {
  std::string option;
  for (const char c : SpokenName(statistic)) {
    if (c == ' ') option += '-';
    if (std::isalpha(static_cast<unsigned char>(c)))
      option += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return option;
}

Int16 DefaultValue(const Statistic& statistic) {
  const Battle::Settings& defaults = Battle::kDefaultSettings;
  return statistic.side == Side::Hero ? defaults.Hero.*statistic.heroMember : defaults.Enemy.*statistic.enemyMember;
}

StatisticValues DefaultValues() {
  StatisticValues values{};
  for (std::size_t i = 0; i < kStatistics.size(); ++i) values[i] = DefaultValue(kStatistics[i]);
  return values;
}

Battle::Settings SettingsOf(const Setting& setting) {
  Battle::Settings settings;
  settings.NumEnemies = setting.enemies;
  for (std::size_t s = 0; s < kStatistics.size(); ++s) {
    const Statistic& statistic = kStatistics[s];
    if (statistic.side == Side::Hero) settings.Hero.*statistic.heroMember = setting.values[s];
    if (statistic.side == Side::Enemy) settings.Enemy.*statistic.enemyMember = setting.values[s];
  }
  return settings;
}

}  // namespace duelmark
