#include "Battle.h"
#include "BattleState.h"
#include "FrmBattle.h"

namespace duelmark::Battle {

void RefreshBattlefield() {
  FrmBattle& form = frmBattle();

  for (int i = 1; i <= State.NumEnemies; ++i) {
    form.imgEnemy(i).SetVisible(State.Enemies(i).Alive == rt::kTrue);
  }

  if (State.Turn == 0) {
    form.imgHeroArrow.SetVisible(true);
    form.imgEnemyArrow.SetVisible(false);
  } else {
    form.imgHeroArrow.SetVisible(false);
    form.imgEnemyArrow.SetVisible(true);
    form.imgEnemyArrow.SetTop(form.imgEnemy(State.Turn).Top() - 180);
    form.imgEnemyArrow.SetLeft(form.imgEnemy(State.Turn).Left() + 50);
    form.imgEnemyArrow.SetAccessibleName("turn arrow over " + form.imgEnemy(State.Turn).AccessibleName());
  }

  form.lblHP.SetCaption(rt::ToText(State.Hero.Health));
  form.lblHPMax.SetCaption(rt::ToText(State.Hero.MaxHealth));

  for (int i = 1; i <= State.NumEnemies; ++i) {
    form.lblEnemy(i).SetVisible(true);
    form.lblEnemy(i).SetCaption("Enemy " + rt::ToText(i));
    form.lblEnemyHP(i).SetVisible(true);
    form.lblEnemyHP(i).SetCaption(rt::ToText(State.Enemies(i).Health));
    form.lblSlash(i).SetVisible(true);
    form.lblEnemyMax(i).SetVisible(true);
    form.lblEnemyMax(i).SetCaption(rt::ToText(State.Enemies(i).MaxHealth));
  }
}

}  // namespace duelmark::Battle
