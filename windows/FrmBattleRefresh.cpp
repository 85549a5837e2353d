// The battlefield's redraw: the battle window's pictures and counters from the battle state.
#include "FrmBattle.h"

namespace duelmark {

void FrmBattle::RefreshBattlefield(const BattleState& state) {
  for (int i = 1; i <= state.NumEnemies; ++i) {
    imgEnemy(i).SetVisible(state.Enemies(i).Alive == rt::kTrue);
  }

  if (state.Turn == 0) {
    imgHeroArrow.SetVisible(true);
    imgEnemyArrow.SetVisible(false);
  } else {
    imgHeroArrow.SetVisible(false);
    imgEnemyArrow.SetVisible(true);
    imgEnemyArrow.SetTop(imgEnemy(state.Turn).Top() - 180);
    imgEnemyArrow.SetLeft(imgEnemy(state.Turn).Left() + 50);
    imgEnemyArrow.SetAccessibleName(TurnArrowName(imgEnemy(state.Turn).AccessibleName()));
  }

  lblHP.SetCaption(rt::ToText(state.Hero.Health));
  lblHPMax.SetCaption(rt::ToText(state.Hero.MaxHealth));

  for (int i = 1; i <= state.NumEnemies; ++i) {
    lblEnemy(i).SetVisible(true);
    lblEnemy(i).SetCaption(EnemyName(i));
    lblEnemyHP(i).SetVisible(true);
    lblEnemyHP(i).SetCaption(rt::ToText(state.Enemies(i).Health));
    lblSlash(i).SetVisible(true);
    lblEnemyMax(i).SetVisible(true);
    lblEnemyMax(i).SetCaption(rt::ToText(state.Enemies(i).MaxHealth));
  }
}

}  // namespace duelmark
