#include "BSettings.h"

#include <array>
#include <string>
#include <variant>

#include "BattleState.h"
#include "FrmBattle.h"
#include "FrmBattleSettings.h"
#include "NumberText.h"
#include "Runtime.h"

namespace duelmark::BSettings {
namespace {

struct Field {
  rt::Control& box;
  const char* name;  // as the window labels it
};

std::string Refusal(const Field& field, char decimalSeparator) {
  return std::string(field.name) + " must be a number from -32768 to 32767.\nA fraction, written with \"" +
         decimalSeparator + "\", is rounded to the nearest whole number.";
}

}  // namespace

bool LaunchBattle() {
  FrmBattleSettings& settings = frmBattleSettings();
  // The conversion order decides which refusal the user sees first.
  const std::array<Field, 11> fields{{
      {settings.lstNumEn, "The \"Number of Enemies\""},
      {settings.txtHealth, "Hero \"Health\""},
      {settings.txtAttack, "Hero \"Attack\""},
      {settings.txtDefence, "Hero \"Defence\""},
      {settings.txtMagic, "Hero \"Magic\""},
      {settings.txtMagicDef, "Hero \"Magic Def.\""},
      {settings.txtEHealth, "Enemy \"Health\""},
      {settings.txtEAttack, "Enemy \"Attack\""},
      {settings.txtESuicide, "Enemy \"Suicide Attack\""},
      {settings.txtEDefence, "Enemy \"Defence\""},
      {settings.txtEMagDef, "Enemy \"Magic Def.\""},
  }};
  std::array<Int16, fields.size()> values{};
  const rt::NumberFormat format = settings.Runtime().GetNumberFormat();
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const auto converted = rt::ParseNumber(fields[i].box.Text(), format);
    if (const Int16* value = std::get_if<Int16>(&converted)) {
      values[i] = *value;
      continue;
    }
    settings.Runtime().ShowMessage(Refusal(fields[i], format.decimal));
    fields[i].box.SetFocus(true);
    return false;
  }

  const auto [numEnemies, health, attack, defence, magic, magicDef, enemyHealth, enemyAttack, enemySuicide,
              enemyDefence, enemyMagicDef] = values;
  State.NumEnemies = numEnemies;
  State.Hero = {.Health = health,
                .MaxHealth = health,
                .Attack = attack,
                .Defence = defence,
                .Magic = magic,
                .MagicDef = magicDef,
                .Alive = rt::kTrue};
  for (int i = 1; i <= 5; ++i) State.Enemies(i).Alive = rt::kFalse;
  for (int i = 1; i <= State.NumEnemies; ++i) {
    EnemyRecord& enemy = State.Enemies(i);
    enemy.Health = enemyHealth;
    enemy.MaxHealth = enemyHealth;
    enemy.Attack = enemyAttack;
    enemy.Suicide = enemySuicide;
    enemy.Defence = enemyDefence;
    enemy.MagicDef = enemyMagicDef;
    enemy.Alive = rt::kTrue;
  }
  frmBattle().Show();
  return true;
}

}  // namespace duelmark::BSettings
