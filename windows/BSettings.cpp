#include "BSettings.h"

#include <limits>
#include <optional>
#include <string>
#include <variant>

#include "FrmBattle.h"
#include "FrmBattleSettings.h"
#include "NumberText.h"
#include "Runtime.h"
#include "Texts.h"

namespace duelmark::BSettings {

std::string Refusal(const std::string& name, char decimalSeparator) {
  using Range = std::numeric_limits<Int16>;
  // TRANSLATORS: why a box's text was refused, naming the box: Enemy "Health" must be ...
  return rt::Format(rt::Tr("{name} must be a number from {lowest} to {highest}."),
                    {{"name", name}, {"lowest", rt::ToText(Range::min())}, {"highest", rt::ToText(Range::max())}}) +
         "\n" +
         // TRANSLATORS: after a refusal; {separator} is the decimal separator of the user's numbers.
         rt::Format(rt::Tr("A fraction, written with \"{separator}\", is rounded to the nearest whole number."),
                    {{"separator", std::string(1, decimalSeparator)}});
}

std::variant<Settings, Refused> ReadSetting() {
  FrmBattleSettings& window = frmBattleSettings();
  const rt::NumberFormat format = window.Runtime().GetNumberFormat();
  Settings settings;
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
          read(window.lstNumEn, rt::Format(rt::Tr("The \"{name}\""), {{"name", CountName()}}), settings.NumEnemies))
    return *refused;
  for (std::size_t i = 0; i < kStatistics.size(); ++i) {
    Int16 value = 0;
    if (auto refused = read(window.StatisticBox(i), RefusalName(kStatistics[i]), value)) return *refused;
    SetValue(settings, kStatistics[i], value);
  }
  return settings;
}

bool LaunchBattle() {
  const auto read = ReadSetting();
  if (const Refused* refused = std::get_if<Refused>(&read)) {
    // The focus goes to the refused box once the user has read why.
    FrmBattleSettings& settings = frmBattleSettings();
    settings.Runtime().ShowMessage(settings, refused->message, [box = refused->box] { box->SetFocus(true); });
    return false;
  }
  frmBattle(std::get<Settings>(read)).Show();
  return true;
}

}  // namespace duelmark::BSettings
