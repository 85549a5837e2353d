#include "FrmEnd.h"

#include <cstdint>

#include "FrmBattle.h"
#include "Runtime.h"

namespace duelmark {
namespace {

using rt::ControlKind;

rt::WindowDesign EndWindowLook() {
  return {.caption = "End of Battle",
          .clientWidth = 4605,
          .clientHeight = 1710,
          .border = rt::BorderStyle::FixedToolWindow,
          .role = rt::WindowRole::Dialog};
}

}  // namespace

FrmEnd::FrmEnd()
    : Window(kName, EndWindowLook()),
      lblEnd(Add(ControlKind::Label, "lblEnd",
                 {.left = 0,
                  .top = 120,
                  .width = 4575,
                  .height = 255,
                  .caption = "The Enemies are all dead.",
                  .alignment = rt::Alignment::Center})),
      lblTotal(Add(ControlKind::Label, "lblTotal",
                   {.left = 240, .top = 600, .width = 1920, .height = 195, .caption = "Total moves = 500"})),
      lblHero(Add(ControlKind::Label, "lblHero",
                  {.left = 240, .top = 840, .width = 1935, .height = 255, .caption = "Hero moves = 500"})),
      lblEnemy(Add(ControlKind::Label, "lblEnemy",
                   {.left = 240, .top = 1080, .width = 2055, .height = 255, .caption = "Enemy moves = 500"})) {}

void FrmEnd::Form_Load() {
  // The battle's counts as they stand; none made where no battle is loaded.
  FrmBattle* battleWindow = LoadedBattleWindow();
  const BattleState counts = battleWindow ? battleWindow->Fight().State : BattleState{};
  // The exact sum, even where it leaves the 16-bit range.
  const std::int32_t total = std::int32_t{counts.EnemyMoves} + counts.HeroMoves;
  lblTotal.SetCaption("Total moves = " + rt::ToText(total));
  lblHero.SetCaption("Hero moves = " + rt::ToText(counts.HeroMoves));
  lblEnemy.SetCaption("Enemy moves = " + rt::ToText(counts.EnemyMoves));
}

FrmEnd& frmEnd() { return rt::Instance<FrmEnd>(); }

}  // namespace duelmark
