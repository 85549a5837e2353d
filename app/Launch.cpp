#include "Launch.h"

#include "BattleState.h"
#include "FrmBattle.h"

namespace duelmark {

void OpenFirstWindow() {
  // Until the settings window exists: the default statistics against three Enemies.
  State.NumEnemies = 3;
  State.Hero = {.Health = 100, .MaxHealth = 100, .Attack = 15, .Defence = 10, .Magic = 20, .MagicDef = 10, .Alive = rt::kTrue};
  for (int i = 1; i <= State.NumEnemies; ++i) {
    State.Enemies(i) = {.Health = 20, .MaxHealth = 20, .Attack = 15, .Suicide = 30, .Defence = 5, .MagicDef = 10, .Alive = rt::kTrue};
  }
  frmBattle().Show();
}

}  // namespace duelmark
