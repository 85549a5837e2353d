// What a listener hears of the battle: each move once, with its result, and the closing
// countdown once.
#include <string>
#include <vector>

#include "Attacks.h"
#include "FrmBattle.h"
#include "Harness.h"

namespace duelmark::testing {
namespace {

class Announcements : public Harness, public rt::RuntimeObserver {
 protected:
  Announcements() {
    Runtime().SetObserver(this);
    OpenBattle(2);
  }
  ~Announcements() override { Runtime().SetObserver(nullptr); }

  void Announced(rt::Control&, const std::string& text) override { heard.push_back(text); }

  std::vector<std::string> heard;
};

TEST_F(Announcements, EachMoveIsHeardOnceWithItsResult) {
  struct Case {
    void (*move)(Battle&);
    Int16 heroHealth, enemyHealth;
    const char* heard;
  };
  const Case cases[] = {
      {Attacks::HeroAttack, 100, 20, "The Hero attacked Enemy 2. 10 damage. Enemy 2 10 of 20."},
      {Attacks::HeroMagic, 100, 5, "The Hero used Magic on Enemy 2. 10 damage. Enemy 2 is defeated."},
      {Attacks::HeroCure, 50, 20, "Hero gained 20 using Cure. Hero 70 of 100."},
      {Attacks::EnemyAttack, 100, 20, "Enemy 2 attacked Hero. 5 damage. Hero 95 of 100."},
      {Attacks::EnemySuicide, 15, 20, "Enemy 2 used Suicide on Hero. 20 damage. Hero is defeated."},
  };
  for (const Case& heardCase : cases) {
    State().Hero.Health = heardCase.heroHealth;
    State().Enemies(2).Health = heardCase.enemyHealth;
    State().HeroTarget = 2;
    State().Turn = 2;
    heard.clear();
    heardCase.move(Fight());
    EXPECT_EQ(heard, std::vector<std::string>{heardCase.heard});
    EXPECT_EQ(heard.front().rfind(frmBattle().lblInfo.Caption(), 0), 0u) << "begins with the message shown";
  }

  heard.clear();
  frmBattle().TimerSeconds = 0;
  for (int second = 1; second <= 5; ++second) frmBattle().tmrEnd_Timer();
  EXPECT_EQ(heard, std::vector<std::string>{"The Battle is Over. End in 5 seconds."});
}

}  // namespace
}  // namespace duelmark::testing
