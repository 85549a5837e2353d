// How the battle window shows a move the engine has settled: the move's picture jumps into
// place, its figure appears, the message bar says what happened (a listener also hears the
// result) and the move's animation timer starts.
#include <string>

#include "FrmBattle.h"
#include "Runtime.h"
#include "Texts.h"

namespace duelmark {
namespace {

using rt::Format;
using rt::ToText;
using rt::Tr;

// What tells the Hero's attack and magic apart on the screen.
struct HeroHit {
  rt::Control& picture;
  double topOffset;  // from the target's picture
  double leftOffset;
  bool hidesHero;
  const char* message;  // "The Hero attacked {enemy}."
};

// What tells an Enemy's attack and suicide apart on the screen.
struct EnemyHit {
  rt::Control& picture;
  double top;
  double left;
  const char* message;  // "{enemy} attacked Hero."
};

// A floating figure, its sign in front: "-10", "+20". Appended rather than written as
// "-" + text, where GCC 12 at -O3 reports a false -Wrestrict inside std::string (GCC bug
// 105651).
std::string Figure(char sign, Int16 value) {
  std::string figure(1, sign);
  return figure += ToText(value);
}

// What a listener hears of a fighter after a move: "Enemy 2 10 of 20.", or that it fell.
std::string Standing(const std::string& fighter, Int16 health, Int16 maxHealth) {
  // TRANSLATORS: after a move, for a listener: "Enemy 2 is defeated.", "Hero is defeated."
  if (health <= 0) return Format(Tr("{fighter} is defeated."), {{"fighter", fighter}});
  // TRANSLATORS: after a move, for a listener: the fighter's health of its health at the start,
  // "Enemy 2 10 of 20."
  return Format(Tr("{fighter} {health} of {most}."),
                {{"fighter", fighter}, {"health", ToText(health)}, {"most", ToText(maxHealth)}});
}

// TRANSLATORS: a move's damage, for a listener, before the fighter's standing: "10 damage."
std::string Damage(Int16 damage) { return Format(Tr("{damage} damage."), {{"damage", ToText(damage)}}) + " "; }

// The message on its bar, and the move with its result, announced once.
void ShowMessage(FrmBattle& form, const std::string& message, const std::string& result) {
  form.shpInfo.SetVisible(true);
  form.lblInfo.SetVisible(true);
  form.lblInfo.SetCaption(message);
  form.lblInfo.Announce(message + " " + result);
}

void StartAnimation(FrmBattle& form, rt::Control& timer) {
  form.TimerSeconds = 0;
  timer.SetEnabled(true);
}

void ShowHit(FrmBattle& form, const BattleState& state, const HeroHit& move) {
  const int target = state.HeroTarget;
  const EnemyRecord& enemy = state.Enemies(target);
  rt::Control& targetPicture = form.imgEnemy(target);

  move.picture.SetTop(targetPicture.Top() + move.topOffset);
  move.picture.SetLeft(targetPicture.Left() + move.leftOffset);
  if (move.hidesHero) form.imgHero.SetVisible(false);
  move.picture.SetVisible(true);

  form.lblEnemyInfo.SetVisible(true);
  form.lblEnemyInfo.SetCaption(Figure('-', state.Damage));
  form.lblEnemyInfo.SetTop(targetPicture.Top() - 240);
  form.lblEnemyInfo.SetLeft(targetPicture.Left() + 120);

  const std::string enemyName = EnemyName(target);
  ShowMessage(form, Format(Tr(move.message), {{"enemy", enemyName}}),
              Damage(state.Damage) + Standing(enemyName, enemy.Health, enemy.MaxHealth));
  StartAnimation(form, form.tmrHeroAttack);
}

void ShowHit(FrmBattle& form, const BattleState& state, const EnemyHit& move) {
  const int actor = state.Turn;

  form.imgEnemy(actor).SetVisible(false);
  move.picture.SetVisible(true);
  move.picture.SetTop(move.top);
  move.picture.SetLeft(move.left);

  form.lblHeroInfo.SetVisible(true);
  form.lblHeroInfo.SetTop(1800);
  form.lblHeroInfo.SetLeft(3720);
  form.lblHeroInfo.SetCaption(Figure('-', state.Damage));

  const HeroRecord& hero = state.Hero;
  ShowMessage(form, Format(Tr(move.message), {{"enemy", EnemyName(actor)}}),
              Damage(state.Damage) + Standing(Tr("Hero"), hero.Health, hero.MaxHealth));
  StartAnimation(form, form.tmrEnemyAttack);
}

void ShowCure(FrmBattle& form, const BattleState& state) {
  const HeroRecord& hero = state.Hero;
  form.lblCure.SetTop(1920);
  form.lblCure.SetLeft(4440);
  form.lblCure.SetVisible(true);
  form.lblCure.SetCaption(Figure('+', hero.Magic));

  form.imgCure.SetVisible(true);
  form.imgCure.SetTop(2160);
  form.imgCure.SetLeft(3960);

  ShowMessage(form, Format(Tr("Hero gained {health} using Cure."), {{"health", ToText(hero.Magic)}}),
              Standing(Tr("Hero"), hero.Health, hero.MaxHealth));
  StartAnimation(form, form.tmrCure);
}

}  // namespace

void FrmBattle::ShowMove(Move move, const BattleState& state) {
  switch (move) {
    case Move::HeroAttack:
      return ShowHit(*this, state, HeroHit{imgHeroAttack, -120, 120, true, rt::N_("The Hero attacked {enemy}.")});
    case Move::HeroMagic:
      return ShowHit(*this, state, HeroHit{imgMagic, -30, -70, false, rt::N_("The Hero used Magic on {enemy}.")});
    case Move::HeroCure: return ShowCure(*this, state);
    case Move::EnemyAttack:
      return ShowHit(*this, state, EnemyHit{imgEnemyAttack, 2040, 4200, rt::N_("{enemy} attacked Hero.")});
    case Move::EnemySuicide:
      return ShowHit(*this, state, EnemyHit{imgSuicide, 2040, 3840, rt::N_("{enemy} used Suicide on Hero.")});
  }
}

}  // namespace duelmark
