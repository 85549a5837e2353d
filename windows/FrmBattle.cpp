#include "FrmBattle.h"

#include <array>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <utility>

#include "Look.h"
#include "Runtime.h"
#include "Texts.h"

namespace duelmark {
namespace {

using rt::Alignment;
using rt::ControlKind;
using rt::Design;
using rt::Tr;
using namespace look;

rt::WindowDesign BattleWindowLook() {
  return {.caption = Tr("Kelmar: Tarrin's Adventure"),
          .clientWidth = 5085,
          .clientHeight = 6765,
          .backColor = kCyan,
          .foreColor = kPanelText};
}

Design Timer(int interval) { return {.visible = false, .enabled = false, .interval = interval}; }

Design Picture(double left, double top, double width, double height, bool visible, const char* picture,
               std::string shows) {
  return {.left = left,
          .top = top,
          .width = width,
          .height = height,
          .visible = visible,
          .picture = picture,
          .accessibleName = std::move(shows)};
}

// The Enemies' indices as the control arrays take them: front to back, and back to front.
template <class Indices>
struct EnemyOrder;
template <std::size_t... I>
struct EnemyOrder<std::index_sequence<I...>> {
  static constexpr std::initializer_list<int> kAscending = {static_cast<int>(I) + 1 ...};
  static constexpr std::initializer_list<int> kDescending = {kMaxEnemies - static_cast<int>(I)...};
};
using EnemyIndices = EnemyOrder<std::make_index_sequence<kMaxEnemies>>;

// A label in one row of the Enemies' health table, a row per Enemy, hidden until a battle
// has that many Enemies.
std::function<Design(int)> EnemyRow(rt::Control& table, const Design& label) {
  return [&table, label](int row) {
    Design member = label;
    member.container = &table;
    member.top = 240.0 * row;
    member.visible = false;
    return member;
  };
}

}  // namespace

FrmBattle::FrmBattle(const Settings& settings)
    : Window(kName, BattleWindowLook()),
      tmrEnd(Add(ControlKind::Timer, "tmrEnd", Timer(1000))),
      tmrPause(Add(ControlKind::Timer, "tmrPause", Timer(1000))),
      frmEnemies(Add(ControlKind::Frame, "frmEnemies",
                     {.left = 1920,
                      .top = 5040,
                      .width = 1695,
                      .height = 1575,
                      .caption = Tr("Enemies Health"),
                      .backColor = kDarkBlue,
                      .font = Comic(8.25, true)})),
      lblEnemy(AddArray(ControlKind::Label, "lblEnemy", EnemyIndices::kAscending,
                        EnemyRow(frmEnemies, {.left = 120, .width = 735, .height = 255, .font = Comic(8.25, false)}))),
      lblEnemyHP(AddArray(ControlKind::Label, "lblEnemyHP", EnemyIndices::kAscending,
                          EnemyRow(frmEnemies, {.left = 1080,
                                                .width = 75,
                                                .height = 240,
                                                .alignment = Alignment::Right,
                                                .autoSize = true,
                                                .font = Comic(8.25, true)}))),
      lblSlash(
          AddArray(ControlKind::Label, "lblSlash", EnemyIndices::kAscending,
                   EnemyRow(frmEnemies,
                            {.left = 1200, .width = 135, .height = 255, .caption = "/", .font = Comic(8.25, true)}))),
      lblEnemyMax(
          AddArray(ControlKind::Label, "lblEnemyMax", EnemyIndices::kAscending,
                   EnemyRow(frmEnemies,
                            {.left = 1320, .width = 75, .height = 240, .autoSize = true, .font = Comic(8.25, true)}))),
      tmrEnemyAttack(Add(ControlKind::Timer, "tmrEnemyAttack", Timer(50))),
      tmrCure(Add(ControlKind::Timer, "tmrCure", Timer(50))),
      cmdStart(Add(ControlKind::CommandButton, "cmdStart",
                   {.left = 3720,
                    .top = 5040,
                    .width = 1215,
                    .height = 1575,
                    .caption = Tr("Press this button to start the simulator."),
                    .tabIndex = 0})),
      tmrHeroAttack(Add(ControlKind::Timer, "tmrHeroAttack", Timer(50))),
      frameHero(Add(ControlKind::Frame, "frameHero",
                    {.left = 120,
                     .top = 5640,
                     .width = 1695,
                     .height = 615,
                     .caption = Tr("Hero"),
                     .backColor = kDarkBlue,
                     .font = Comic(8.25, true)})),
      lblHPMax(Add(ControlKind::Label, "lblHPMax",
                   {.container = &frameHero,
                    .left = 1200,
                    .top = 240,
                    .width = 75,
                    .height = 240,
                    .autoSize = true,
                    .font = Comic(8.25, true)})),
      lblHP(Add(ControlKind::Label, "lblHP",
                {.container = &frameHero,
                 .left = 960,
                 .top = 240,
                 .width = 75,
                 .height = 240,
                 .alignment = Alignment::Right,
                 .autoSize = true,
                 .font = Comic(8.25, true)})),
      lbl1(Add(ControlKind::Label, "lbl1",
               {.container = &frameHero,
                .left = 1080,
                .top = 240,
                .width = 135,
                .height = 255,
                .caption = "/",
                .font = Comic(8.25, true)})),
      lbl3(Add(ControlKind::Label, "lbl3",
               {.container = &frameHero,
                .left = 120,
                .top = 240,
                .width = 615,
                .height = 255,
                .caption = Tr("Health:"),
                .font = Comic(8.25, false)})),
      lblSeconds(Add(ControlKind::Label, "lblSeconds",
                     {.left = 480,
                      .top = 5280,
                      .width = 255,
                      .height = 255,
                      .visible = false,
                      .caption = "5",
                      .foreColor = kWhite,
                      .font = Comic(8.25, true)})),
      lblNext(Add(ControlKind::Label, "lblNext",
                  {.left = 360,
                   .top = 5040,
                   .width = 1215,
                   .height = 495,
                   .visible = false,
                   // TRANSLATORS: the countdown's label; the number stands in its run of blanks.
                   .caption = Tr("Next Move in:      Seconds"),
                   .font = Comic(8.25, true)})),
      imgSuicide(Add(ControlKind::Image, "imgSuicide",
                     Picture(3240, 8760, 1230, 1350, false, "suicide", Tr("an Enemy's suicide blast")))),
      imgCure(Add(ControlKind::Image, "imgCure", Picture(4200, 6840, 870, 855, false, "cure", Tr("the Hero's cure")))),
      imgMagic(Add(ControlKind::Image, "imgMagic",
                   {.left = 120,
                    .top = 6840,
                    .width = 600,
                    .height = 600,
                    .visible = false,
                    .picture = "magic",
                    .stretch = true,
                    .accessibleName = Tr("the Hero's magic")})),
      lblEnemyInfo(Add(ControlKind::Label, "lblEnemyInfo",
                       {.left = 120,
                        .top = 7440,
                        .width = 645,
                        .height = 315,
                        .visible = false,
                        .foreColor = kWhite,
                        .font = Comic(9, true)})),
      imgEnemyAttack(Add(ControlKind::Image, "imgEnemyAttack",
                         Picture(3720, 7680, 435, 1020, false, "enemy-attack", Tr("an Enemy attacks")))),
      imgEnemyArrow(
          Add(ControlKind::Image, "imgEnemyArrow", Picture(770, 2100, 345, 195, false, "arrow", Tr("turn arrow")))),
      imgHeroArrow(Add(ControlKind::Image, "imgHeroArrow",
                       Picture(4250, 1800, 345, 195, true, "arrow", TurnArrowName(Tr("Hero"))))),
      imgHeroAttack(Add(ControlKind::Image, "imgHeroAttack",
                        Picture(120, 7800, 1470, 1335, false, "hero-attack", Tr("the Hero attacks")))),
      lblCure(Add(ControlKind::Label, "lblCure",
                  {.left = 3600,
                   .top = 6960,
                   .width = 615,
                   .height = 255,
                   .visible = false,
                   .foreColor = kBlue,
                   .font = Comic(9, true)})),
      lblHeroInfo(Add(ControlKind::Label, "lblHeroInfo",
                      {.left = 3480,
                       .top = 7320,
                       .width = 735,
                       .height = 255,
                       .visible = false,
                       .alignment = Alignment::Right,
                       .foreColor = kWhite,
                       .font = Comic(9, true)})),
      imgHero(Add(ControlKind::Image, "imgHero", Picture(3720, 1800, 1080, 1575, true, "hero", Tr("Hero")))),
      lblInfo(Add(ControlKind::Label, "lblInfo",
                  {.left = 2445,
                   .top = 255,
                   .width = 105,
                   .height = 285,
                   .visible = false,
                   .alignment = Alignment::Center,
                   .autoSize = true,
                   .foreColor = kWhite,
                   .font = Comic(9.75, true),
                   .role = rt::Role::Announcer})),
      shpInfo(Add(ControlKind::Shape, "shpInfo",
                  {.left = 360,
                   .top = 120,
                   .width = 4335,
                   .height = 615,
                   .visible = false,
                   .backColor = kDarkBlue,
                   .accessibleName = Tr("message bar")})),
      imgEnemy(AddArray(ControlKind::Image, "imgEnemy", EnemyIndices::kDescending,
                        [](int i) {
                          static constexpr std::array<double, kMaxEnemies> kLeft = {720, 720, 120, 120, 120};
                          static constexpr std::array<double, kMaxEnemies> kTop = {2280, 3000, 1920, 2640, 3360};
                          const auto at = static_cast<std::size_t>(i - 1);
                          return Picture(kLeft[at], kTop[at], 435, 465, false, "enemy", EnemyName(i));
                        })),
      shpStats(Add(ControlKind::Shape, "shpStats",
                   {.left = 0,
                    .top = 4920,
                    .width = 5085,
                    .height = 1815,
                    .backColor = kDarkBlue,
                    .accessibleName = Tr("status panel")})),
      imgBackground(
          Add(ControlKind::Image, "imgBackground", Picture(0, 0, 5085, 5055, true, "battlefield", Tr("battlefield")))),
      settings_(settings) {
  cmdStart.OnClick([this] { cmdStart_Click(); });
  tmrPause.OnTimer([this] { tmrPause_Timer(); });
  tmrEnd.OnTimer([this] { tmrEnd_Timer(); });
  tmrHeroAttack.OnTimer([this] { tmrHeroAttack_Timer(); });
  tmrCure.OnTimer([this] { tmrCure_Timer(); });
  tmrEnemyAttack.OnTimer([this] { tmrEnemyAttack_Timer(); });
}

// TRANSLATORS: an Enemy's name by its number: "Enemy 2".
std::string EnemyName(int index) { return rt::Format(Tr("Enemy {number}"), {{"number", rt::ToText(index)}}); }

std::string TurnArrowName(const std::string& fighter) {
  // TRANSLATORS: the turn arrow's name, as a screen reader says it: "turn arrow over Enemy 2".
  return rt::Format(Tr("turn arrow over {fighter}"), {{"fighter", fighter}});
}

FrmBattle& frmBattle(const Settings& settings) { return rt::Instance<FrmBattle>(settings); }

FrmBattle* LoadedBattleWindow() { return static_cast<FrmBattle*>(rt::program->FindLoaded(FrmBattle::kName)); }

FrmBattle& frmBattle() {
  if (FrmBattle* loaded = LoadedBattleWindow()) return *loaded;
  throw std::logic_error("the battle window is asked for with no battle loaded");
}

}  // namespace duelmark
