// The battlefield's redraw: the battle window's pictures and counters from the battle state.
#include "FrmBattle.h"

namespace duelmark {

void FrmBattle::RefreshBattlefield() {
  for (int i = 1; i <= State.NumEnemies; ++i) {
    imgEnemy(i).SetVisible(State.Enemies(i).Alive == rt::kTrue);
  }

  if (State.Turn == 0) {
    imgHeroArrow.SetVisible(true);
    imgEnemyArrow.SetVisible(false);
  } else {
    imgHeroArrow.SetVisible(false);
    imgEnemyArrow.SetVisible(true);
    imgEnemyArrow.SetTop(imgEnemy(State.Turn).Top() - 180);
    imgEnemyArrow.SetLeft(imgEnemy(State.Turn).Left() + 50);
    imgEnemyArrow.SetAccessibleName("turn arrow over " + imgEnemy(State.Turn).AccessibleName());
  }

  lblHP.SetCaption(rt::ToText(State.Hero.Health));
  lblHPMax.SetCaption(rt::ToText(State.Hero.MaxHealth));

  for (int i = 1; i <= State.NumEnemies; ++i) {
    lblEnemy(i).SetVisible(true);
    lblEnemy(i).SetCaption(EnemyName(i));
    lblEnemyHP(i).SetVisible(true);
    lblEnemyHP(i).SetCaption(rt::ToText(State.Enemies(i).Health));
    lblSlash(i).SetVisible(true);
    lblEnemyMax(i).SetVisible(true);
    lblEnemyMax(i).SetCaption(rt::ToText(State.Enemies(i).MaxHealth));
  }
}

}  // namespace duelmark
