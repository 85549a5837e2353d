#include "BSettings.h"

#include <limits>
#include <optional>
#include <string>
#include <variant>

#include "Battle.h"
#include "BattleState.h"
#include "FrmBattle.h"
#include "FrmBattleSettings.h"
#include "NumberText.h"
#include "Runtime.h"
#include "Statistics.h"

namespace duelmark::BSettings {

std::string Refusal(const std::string& name, char decimalSeparator) {
  using Range = std::numeric_limits<Int16>;
  return name + " must be a number from " + rt::ToText(Range::min()) + " to " + rt::ToText(Range::max()) +
         ".\nA fraction, written with \"" + decimalSeparator + "\", is rounded to the nearest whole number.";
}

bool LaunchBattle() {
  FrmBattleSettings& settings = frmBattleSettings();
  const rt::NumberFormat format = settings.Runtime().GetNumberFormat();
  // Answers the box's number, or refuses it: names it, puts the focus there once the user has
  // read why, answers nothing.
  const auto convert = [&](rt::Control& box, const std::string& name) -> std::optional<Int16> {
    const auto converted = rt::ParseNumber(box.Text(), format);
    if (const Int16* value = std::get_if<Int16>(&converted)) return *value;
    settings.Runtime().ShowMessage(settings, Refusal(name, format.decimal), [&box] { box.SetFocus(true); });
    return std::nullopt;
  };

  // The conversion order decides which refusal the user sees first.
  const auto enemies = convert(settings.lstNumEn, "The \"" + std::string(FrmBattleSettings::EnemyCountName) + "\"");
  if (!enemies) return false;
  StatisticValues values{};
  for (std::size_t i = 0; i < kStatistics.size(); ++i) {
    const auto value = convert(settings.StatisticBox(i), RefusalName(kStatistics[i]));
    if (!value) return false;
    values[i] = *value;
  }
  Battle::SetUp(SettingsOf(*enemies, values));
  frmBattle().Show();
  return true;
}

}  // namespace duelmark::BSettings
