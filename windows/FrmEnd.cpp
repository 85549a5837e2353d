#include "FrmEnd.h"

#include <cstdint>

#include "FrmBattle.h"
#include "Runtime.h"
#include "Texts.h"

namespace duelmark {
namespace {

using rt::ControlKind;

rt::WindowDesign EndWindowLook() {
  return {.caption = rt::Tr("End of Battle"),
          .clientWidth = 4605,
          .clientHeight = 1710,
          .border = rt::BorderStyle::FixedToolWindow,
          .role = rt::WindowRole::Dialog};
}

// The report's counts, "Total moves = 12": English says "moves" for every number, 1 too.
std::string Counted(const std::string& text, std::int64_t count) {
  return rt::Format(text, {{"count", rt::ToText(count)}});
}
std::string TotalMoves(std::int64_t count) {
  return Counted(rt::TrN("Total moves = {count}", "Total moves = {count}", count), count);
}
std::string HeroMoves(std::int64_t count) {
  return Counted(rt::TrN("Hero moves = {count}", "Hero moves = {count}", count), count);
}
std::string EnemyMoves(std::int64_t count) {
  return Counted(rt::TrN("Enemy moves = {count}", "Enemy moves = {count}", count), count);
}

}  // namespace

FrmEnd::FrmEnd()
    : Window(kName, EndWindowLook()),
      lblEnd(Add(ControlKind::Label, "lblEnd",
                 {.left = 0,
                  .top = 120,
                  .width = 4575,
                  .height = 255,
                  .caption = rt::Tr("The Enemies are all dead."),
                  .alignment = rt::Alignment::Center})),
      lblTotal(Add(ControlKind::Label, "lblTotal",
                   {.left = 240, .top = 600, .width = 1920, .height = 195, .caption = TotalMoves(500)})),
      lblHero(Add(ControlKind::Label, "lblHero",
                  {.left = 240, .top = 840, .width = 1935, .height = 255, .caption = HeroMoves(500)})),
      lblEnemy(Add(ControlKind::Label, "lblEnemy",
                   {.left = 240, .top = 1080, .width = 2055, .height = 255, .caption = EnemyMoves(500)})) {}

void FrmEnd::Form_Load() {
  // The battle's counts as they stand; none made where no battle is loaded.
  FrmBattle* battleWindow = LoadedBattleWindow();
  const BattleState counts = battleWindow ? battleWindow->Fight().State : BattleState{};
  // The exact sum, even where it leaves the 16-bit range.
  const std::int32_t total = std::int32_t{counts.EnemyMoves} + counts.HeroMoves;
  lblTotal.SetCaption(TotalMoves(total));
  lblHero.SetCaption(HeroMoves(counts.HeroMoves));
  lblEnemy.SetCaption(EnemyMoves(counts.EnemyMoves));
}

FrmEnd& frmEnd() { return rt::Instance<FrmEnd>(); }

}  // namespace duelmark
