#include "Statistics.h"

#include <cctype>

#include "Texts.h"

namespace duelmark {

namespace {
std::string Name(const Statistic& statistic) { return rt::Tr(statistic.name); }
}  // namespace

std::string_view SideName(Side side) { return side == Side::Hero ? rt::N_("Hero") : rt::N_("Enemy"); }

std::string Caption(const Statistic& statistic) {
  // TRANSLATORS: a statistic's label in the settings window, before its box.
  return rt::Format(rt::Tr("{statistic} ="), {{"statistic", Name(statistic)}});
}

std::string SpokenName(const Statistic& statistic) {
  // TRANSLATORS: a statistic's full name, as a screen reader says it and the odds show it:
  // "Hero Health".
  return rt::Format(rt::Tr("{side} {statistic}"),
                    {{"side", rt::Tr(SideName(statistic.side))}, {"statistic", Name(statistic)}});
}

std::string RefusalName(const Statistic& statistic) {
  // TRANSLATORS: a statistic's name in a refusal: Enemy "Health" must be a number ...
  return rt::Format(rt::Tr("{side} \"{statistic}\""),
                    {{"side", rt::Tr(SideName(statistic.side))}, {"statistic", Name(statistic)}});
}

std::string CountName() { return rt::Tr(kEnemyCount.name); }

std::string OptionName(const Statistic& statistic) {
  std::string option;
  for (const char c : std::string(SideName(statistic.side)) + " " + std::string(statistic.name)) {
    if (c == ' ') option += '-';
    if (std::isalpha(static_cast<unsigned char>(c)))
      option += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return option;
}

}  // namespace duelmark
