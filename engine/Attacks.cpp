#include "Attacks.h"

#include <string>

#include "BattleState.h"
#include "FrmBattle.h"
#include "IntelligentData.h"

namespace duelmark::Attacks {
namespace {

using rt::ToText;

// What tells the Hero's attack and magic apart.
struct HeroHit {
  Int16 heroStatistic;
  Int16Member<EnemyRecord> enemyStatistic;
  rt::Control& picture;
  double topOffset;
  double leftOffset;
  bool hidesHero;
  const char* message;
  Int16Member<BattleState> estimate;
};

// A floating figure, its sign in front: "-10", "+20". Appended rather than written as
// "-" + text, where GCC 12 at -O3 reports a false -Wrestrict inside std::string (GCC bug
// 105651).
std::string Figure(char sign, Int16 value) {
  std::string figure(1, sign);
  return figure += ToText(value);
}

// What a listener hears of a fighter after a move: "Enemy 2 10 of 20", or that it fell.
std::string Standing(const std::string& fighter, Int16 health, Int16 maxHealth) {
  if (health <= 0) return fighter + " is defeated.";
  return fighter + " " + ToText(health) + " of " + ToText(maxHealth) + ".";
}

// The message on its bar, and the move with its result, announced once.
void ShowMessage(FrmBattle& form, const std::string& message, const std::string& result) {
  form.shpInfo.SetVisible(true);
  form.lblInfo.SetVisible(true);
  form.lblInfo.SetCaption(message);
  form.lblInfo.Announce(message + " " + result);
}

std::string Damage(Int16 damage) { return ToText(damage) + " damage. "; }

void Hit(FrmBattle& form, const HeroHit& move) {
  const int target = State.HeroTarget;
  EnemyRecord& enemy = State.Enemies(target);
  rt::Control& targetPicture = form.imgEnemy(target);

  State.Damage = rt::Sub(move.heroStatistic, enemy.*move.enemyStatistic);
  enemy.Health = rt::Sub(enemy.Health, State.Damage);

  move.picture.SetTop(targetPicture.Top() + move.topOffset);
  move.picture.SetLeft(targetPicture.Left() + move.leftOffset);
  if (move.hidesHero) form.imgHero.SetVisible(false);
  move.picture.SetVisible(true);

  form.lblEnemyInfo.SetVisible(true);
  form.lblEnemyInfo.SetCaption(Figure('-', State.Damage));
  form.lblEnemyInfo.SetTop(targetPicture.Top() - 240);
  form.lblEnemyInfo.SetLeft(targetPicture.Left() + 120);

  const std::string enemyName = "Enemy " + ToText(target);
  ShowMessage(form, move.message + ToText(target) + ".",
              Damage(State.Damage) + Standing(enemyName, enemy.Health, enemy.MaxHealth));

  form.TimerSeconds = 0;
  form.tmrHeroAttack.SetEnabled(true);

  State.*move.estimate = State.Damage;
}

// What tells an Enemy's attack and suicide apart.
struct EnemyHit {
  Int16Member<EnemyRecord> statistic;
  bool givesUpHealth;
  rt::Control& picture;
  double top;
  double left;
  const char* message;
};

void Hit(FrmBattle& form, const EnemyHit& move) {
  const int actor = State.Turn;
  EnemyRecord& enemy = State.Enemies(actor);

  State.Damage = rt::Sub(enemy.*move.statistic, State.Hero.Defence);
  State.Hero.Health = rt::Sub(State.Hero.Health, State.Damage);
  if (move.givesUpHealth) enemy.Health = 0;

  form.imgEnemy(actor).SetVisible(false);
  move.picture.SetVisible(true);
  move.picture.SetTop(move.top);
  move.picture.SetLeft(move.left);

  form.lblHeroInfo.SetVisible(true);
  form.lblHeroInfo.SetTop(1800);
  form.lblHeroInfo.SetLeft(3720);
  form.lblHeroInfo.SetCaption(Figure('-', State.Damage));

  const HeroRecord& hero = State.Hero;
  ShowMessage(form, "Enemy " + ToText(actor) + move.message,
              Damage(State.Damage) + Standing("Hero", hero.Health, hero.MaxHealth));

  form.TimerSeconds = 0;
  form.tmrEnemyAttack.SetEnabled(true);

  IntelligentData::NoteEnemyDamage(State.Damage);
}

}  // namespace

void HeroAttack() {
  FrmBattle& form = frmBattle();
  Hit(form, HeroHit{State.Hero.Attack, &EnemyRecord::Defence, form.imgHeroAttack, -120, 120, true,
                    "The Hero attacked Enemy ", &BattleState::AttackEstimate});
}

void HeroMagic() {
  FrmBattle& form = frmBattle();
  Hit(form, HeroHit{State.Hero.Magic, &EnemyRecord::MagicDef, form.imgMagic, -30, -70, false,
                    "The Hero used Magic on Enemy ", &BattleState::MagicEstimate});
}

void HeroCure() {
  FrmBattle& form = frmBattle();
  HeroRecord& hero = State.Hero;
  hero.Health = rt::Add(hero.Health, hero.Magic);
  if (hero.Health > hero.MaxHealth) hero.Health = hero.MaxHealth;

  form.lblCure.SetTop(1920);
  form.lblCure.SetLeft(4440);
  form.lblCure.SetVisible(true);
  form.lblCure.SetCaption(Figure('+', hero.Magic));

  form.imgCure.SetVisible(true);
  form.imgCure.SetTop(2160);
  form.imgCure.SetLeft(3960);

  ShowMessage(form, "Hero gained " + ToText(hero.Magic) + " using Cure.",
              Standing("Hero", hero.Health, hero.MaxHealth));

  form.TimerSeconds = 0;
  form.tmrCure.SetEnabled(true);
}

void EnemyAttack() {
  FrmBattle& form = frmBattle();
  Hit(form, EnemyHit{&EnemyRecord::Attack, false, form.imgEnemyAttack, 2040, 4200, " attacked Hero."});
}

void EnemySuicide() {
  FrmBattle& form = frmBattle();
  Hit(form, EnemyHit{&EnemyRecord::Suicide, true, form.imgSuicide, 2040, 3840, " used Suicide on Hero."});
}

}  // namespace duelmark::Attacks
