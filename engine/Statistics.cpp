#include "Statistics.h"

#include <cctype>

namespace duelmark {

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

}  // namespace duelmark
