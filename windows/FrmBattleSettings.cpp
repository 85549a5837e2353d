#include "FrmBattleSettings.h"

#include "BSettings.h"
#include "Look.h"
#include "Runtime.h"
#include "Statistics.h"
#include "Texts.h"

namespace duelmark {
namespace {

using rt::ControlKind;
using rt::Design;
using rt::Tr;

// The settings window's help.
const char* const kHelpText = rt::N_(
    // TRANSLATORS: the settings window's help; its five blanks in front indent the first line.
    "     This menu is for setting up the Duelmark.  You may change any of the default stats for the Hero or the "
    "Enemies.  You may also change the settings for the battle itself.  Select 1 through 5 to choose the number of "
    "Enemies the Hero will battle.  The Defaults button will reset all values to their originals.  Click Start "
    "Battle to begin the battle simulator.");

rt::WindowDesign SettingsWindowLook() {
  return {.caption = Tr("Battle Settings"), .clientWidth = 5895, .clientHeight = 12030, .minButton = true};
}

Design Button(const std::string& caption, double left, double top, int tabIndex, rt::Control* container = nullptr) {
  return {.container = container,
          .left = left,
          .top = top,
          .width = 1215,
          .height = 495,
          .caption = caption,
          .tabIndex = tabIndex};
}

// A statistic's box stands at the same place in either side's frame.
double BoxLeft(Side side) { return side == Side::Hero ? 1155 : 1515; }

Design Frame(const std::string& caption, double left, double top, double width, double height, int tabIndex) {
  return {.left = left, .top = top, .width = width, .height = height, .caption = caption, .tabIndex = tabIndex};
}

// Built here rather than inline in the window's constructor, where GCC 12 at -O3 reports a
// false -Wmaybe-uninitialized for the strings of an inline temporary.
Design EnemyCountList() {
  Design list{.left = 2355, .top = 3720, .width = 375, .height = 1035, .tabIndex = 27};
  // A reader hears "Number of Enemies (1-5)", and its label says that followed by " =".
  // TRANSLATORS: the list's name, with the numbers it holds: "Number of Enemies (1-5)".
  list.accessibleName = rt::Format(Tr("{name} ({lowest}-{highest})"), {{"name", CountName()},
                                                                       {"lowest", rt::ToText(kEnemyCount.lowest)},
                                                                       {"highest", rt::ToText(kEnemyCount.highest)}});
  for (int count = kEnemyCount.lowest; count <= kEnemyCount.highest; ++count) list.items.push_back(rt::ToText(count));
  return list;
}

}  // namespace

FrmBattleSettings::FrmBattleSettings()
    : Window(kName, SettingsWindowLook()),
      fraHelp(Add(ControlKind::Frame, "fraHelp",
                  {.left = 240,
                   .top = 6360,
                   .width = 5415,
                   .height = 5535,
                   .visible = false,
                   .caption = Tr("Help"),
                   .tabIndex = 30})),
      cmdClose(Add(ControlKind::CommandButton, "cmdClose", Button(Tr("Close"), 4080, 4920, 31, &fraHelp))),
      tmrClose(Add(ControlKind::Timer, "tmrClose", {.container = &fraHelp, .enabled = false, .interval = 50})),
      tmrHelp(Add(ControlKind::Timer, "tmrHelp", {.container = &fraHelp, .enabled = false, .interval = 50})),
      lblHelp1(Add(ControlKind::Label, "lblHelp1",
                   {.container = &fraHelp,
                    .left = 120,
                    .top = 240,
                    .width = 5175,
                    .height = 4575,
                    .caption = Tr(kHelpText),
                    .tabIndex = 32})),
      cmdHelp(Add(ControlKind::CommandButton, "cmdHelp", Button(Tr("Help"), 3000, 5760, 29))),
      cmdDefaults(Add(ControlKind::CommandButton, "cmdDefaults", Button(Tr("Defaults"), 1680, 5760, 28))),
      lstNumEn(Add(ControlKind::ListBox, "lstNumEn", EnemyCountList())),
      cmdStart(Add(ControlKind::CommandButton, "cmdStart", Button(Tr("Start Battle"), 360, 5760, 25))),
      cmdEXIT(Add(ControlKind::CommandButton, "cmdEXIT", Button(Tr("Exit"), 4320, 5760, 24))),
      Frame2(Add(ControlKind::Frame, "Frame2", Frame(Tr("Enemy Stats"), 2880, 720, 2775, 2775, 12))),
      txtEMagDef(AddStatisticBox(Frame2, "txtEMagDef")),
      txtESuicide(AddStatisticBox(Frame2, "txtESuicide")),
      txtEDefence(AddStatisticBox(Frame2, "txtEDefence")),
      txtEAttack(AddStatisticBox(Frame2, "txtEAttack")),
      txtEHealth(AddStatisticBox(Frame2, "txtEHealth")),
      Label14(AddStatisticLabel("Label14")),
      Label13(AddStatisticLabel("Label13")),
      Label12(AddStatisticLabel("Label12")),
      Label10(AddStatisticLabel("Label10")),
      Label9(AddStatisticLabel("Label9")),
      Frame1(Add(ControlKind::Frame, "Frame1", Frame(Tr("Hero Stats"), 240, 720, 2415, 2775, 1))),
      txtHealth(AddStatisticBox(Frame1, "txtHealth")),
      txtDefence(AddStatisticBox(Frame1, "txtDefence")),
      txtAttack(AddStatisticBox(Frame1, "txtAttack")),
      txtMagic(AddStatisticBox(Frame1, "txtMagic")),
      txtMagicDef(AddStatisticBox(Frame1, "txtMagicDef")),
      Label3(AddStatisticLabel("Label3")),
      Label4(AddStatisticLabel("Label4")),
      Label5(AddStatisticLabel("Label5")),
      Label6(AddStatisticLabel("Label6")),
      Label7(AddStatisticLabel("Label7")),
      Frame3(Add(ControlKind::Frame, "Frame3", Frame(Tr("Battle Settings"), 240, 3600, 5415, 1335, 23))),
      Label15(Add(ControlKind::Label, "Label15",
                  {.container = &Frame3,
                   .left = 120,
                   .top = 240,
                   .width = 2535,
                   .height = 375,
                   .caption = rt::Format(Tr("{statistic} ="), {{"statistic", lstNumEn.AccessibleName()}}),
                   .tabIndex = 26,
                   .accessibleName = lstNumEn.AccessibleName(),
                   .labelFor = &lstNumEn})),
      Label1(Add(ControlKind::Label, "Label1",
                 {.left = 120,
                  .top = 165,
                  .width = 5655,
                  .height = 375,
                  .caption = Tr("Battle Settings"),
                  .alignment = rt::Alignment::Center,
                  .foreColor = look::kWhite,
                  .font = look::Comic(12, true),
                  .tabIndex = 0})),
      Shape1(Add(ControlKind::Shape, "Shape1",
                 {.left = 120,
                  .top = 120,
                  .width = 5685,
                  .height = 495,
                  .backColor = look::kDarkBlue,
                  .accessibleName = Tr("title band")})) {
  cmdClose.OnClick([this] { cmdClose_Click(); });
  tmrClose.OnTimer([this] { tmrClose_Timer(); });
  tmrHelp.OnTimer([this] { tmrHelp_Timer(); });
  cmdHelp.OnClick([this] { cmdHelp_Click(); });
  cmdDefaults.OnClick([this] { cmdDefaults_Click(); });
  cmdStart.OnClick([this] { cmdStart_Click(); });
  cmdEXIT.OnClick([this] { cmdEXIT_Click(); });
}

void FrmBattleSettings::Form_Load() {
  SetHeight(SettingsWindowHeight);
  fraHelp.SetTop(HelpClosedTop);
  tmrHelp.SetEnabled(false);
  tmrClose.SetEnabled(false);
  WriteDefaults();
}

void FrmBattleSettings::UserClosed() { Runtime().End(); }

void FrmBattleSettings::cmdDefaults_Click() { WriteDefaults(); }

void FrmBattleSettings::cmdStart_Click() {
  if (BSettings::LaunchBattle()) Unload();
}

void FrmBattleSettings::cmdEXIT_Click() { Runtime().End(); }

void FrmBattleSettings::WriteDefaults() {
  for (std::size_t i = 0; i < kStatistics.size(); ++i) StatisticBox(i).SetText(rt::ToText(kStatistics[i].defaultValue));
  lstNumEn.SetText(rt::ToText(kEnemyCount.defaultValue));
}

rt::Control& FrmBattleSettings::AddStatisticBox(rt::Control& frame, const char* name) {
  const std::size_t statistic = StatisticOfControl(name);
  const StatisticRow& row = kStatisticRows[statistic];
  rt::Control& box = Add(ControlKind::TextBox, name,
                         {.container = &frame,
                          .left = BoxLeft(kStatistics[statistic].side),
                          .top = row.top,
                          .width = 975,
                          .height = 285,
                          .text = "Text1",
                          .tabIndex = row.boxTabIndex,
                          .accessibleName = SpokenName(kStatistics[statistic])});
  statisticBoxes_[statistic] = &box;
  return box;
}

rt::Control& FrmBattleSettings::AddStatisticLabel(const char* name) {
  const std::size_t statistic = StatisticOfControl(name);
  const StatisticRow& row = kStatisticRows[statistic];
  rt::Control& box = StatisticBox(statistic);
  // A reader takes a box's name from its label: the label says the box's full name.
  return Add(ControlKind::Label, name,
             {.container = box.Container(),
              .left = row.labelLeft,
              .top = row.top,
              .width = row.labelWidth,
              .height = 255,
              .caption = Caption(kStatistics[statistic]),
              .tabIndex = row.labelTabIndex,
              .accessibleName = box.AccessibleName(),
              .labelFor = &box});
}

FrmBattleSettings& frmBattleSettings() { return rt::Instance<FrmBattleSettings>(); }

}  // namespace duelmark
