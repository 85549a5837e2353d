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

std::variant<Setting, Refused> ReadSetting() {
  FrmBattleSettings& settings = frmBattleSettings();
  const rt::NumberFormat format = settings.Runtime().GetNumberFormat();
  Setting setting;
  // The reading order decides which refusal the user sees first.
  const auto read = [&](rt::Control& box, const std::string& name, Int16& value) -> std::optional<Refused> {
    const auto converted = rt::ParseNumber(box.Text(), format);
    if (const Int16* number = std::get_if<Int16>(&converted)) {
      value = *number;
      return std::nullopt;
    }
    return Refused{&box, Refusal(name, format.decimal)};
  };
  if (auto refused =
          read(settings.lstNumEn, "The \"" + std::string(FrmBattleSettings::EnemyCountName) + "\"", setting.enemies))
    return *refused;
  for (std::size_t i = 0; i < kStatistics.size(); ++i) {
    if (auto refused = read(settings.StatisticBox(i), RefusalName(kStatistics[i]), setting.values[i])) return *refused;
  }
  return setting;
}

bool LaunchBattle() {
  const auto setting = ReadSetting();
  if (const Refused* refused = std::get_if<Refused>(&setting)) {
    // The focus goes to the refused box once the user has read why.
    FrmBattleSettings& settings = frmBattleSettings();
    settings.Runtime().ShowMessage(settings, refused->message, [box = refused->box] { box->SetFocus(true); });
    return false;
  }
  Battle::SetUp(SettingsOf(std::get<Setting>(setting)));
  frmBattle().Show();
  return true;
}

}  // namespace duelmark::BSettings
