#include "FrmBattleSettings.h"

#include "BSettings.h"
#include "Look.h"
#include "Runtime.h"

namespace duelmark {
namespace {

using rt::ControlKind;
using rt::Design;

const char* const kHelpText =
    "     This menu is for setting up the Duelmark.  You may change any of the default stats for the Hero or the "
    "Enemies.  You may also change the settings for the battle itself.  Select 1 through 5 to choose the number of "
    "Enemies the Hero will battle.  The Defaults button will reset all values to their originals.  Click Start "
    "Battle to begin the battle simulator.";

rt::WindowDesign SettingsWindowLook() {
  return {.caption = "Battle Settings", .clientWidth = 5895, .clientHeight = 12030, .minButton = true};
}

Design Button(const char* caption, double left, double top, int tabIndex, rt::Control* container = nullptr) {
  return {.container = container,
          .left = left,
          .top = top,
          .width = 1215,
          .height = 495,
          .caption = caption,
          .tabIndex = tabIndex};
}

Design TextBox(rt::Control& frame, double left, double top, int tabIndex, const char* name) {
  return {.container = &frame,
          .left = left,
          .top = top,
          .width = 975,
          .height = 285,
          .text = "Text1",
          .tabIndex = tabIndex,
          .accessibleName = name};
}

Design Label(rt::Control& box, const char* caption, double left, double top, double width, int tabIndex) {
  return {.container = box.Container(),
          .left = left,
          .top = top,
          .width = width,
          .height = 255,
          .caption = caption,
          .tabIndex = tabIndex,
          .accessibleName = box.AccessibleName(),  // a reader takes a box's name from its label
          .labelFor = &box};
}

Design Frame(const char* caption, double left, double top, double width, double height, int tabIndex) {
  return {.left = left, .top = top, .width = width, .height = height, .caption = caption, .tabIndex = tabIndex};
}

// Built here rather than inline in the window's constructor, where GCC 12 at -O3 reports a
// false -Wmaybe-uninitialized for the strings of an inline temporary.
Design EnemyCountList() {
  Design list{.left = 2355,
              .top = 3720,
              .width = 375,
              .height = 1035,
              .tabIndex = 27,
              .accessibleName = "Number of Enemies (1-5)"};
  list.items = {"1", "2", "3", "4", "5"};
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
                   .caption = "Help",
                   .tabIndex = 30})),
      cmdClose(Add(ControlKind::CommandButton, "cmdClose", Button("Close", 4080, 4920, 31, &fraHelp))),
      tmrClose(Add(ControlKind::Timer, "tmrClose", {.container = &fraHelp, .enabled = false, .interval = 50})),
      tmrHelp(Add(ControlKind::Timer, "tmrHelp", {.container = &fraHelp, .enabled = false, .interval = 50})),
      lblHelp1(Add(ControlKind::Label, "lblHelp1",
                   {.container = &fraHelp,
                    .left = 120,
                    .top = 240,
                    .width = 5175,
                    .height = 4575,
                    .caption = kHelpText,
                    .tabIndex = 32})),
      cmdHelp(Add(ControlKind::CommandButton, "cmdHelp", Button("Help", 3000, 5760, 29))),
      cmdDefaults(Add(ControlKind::CommandButton, "cmdDefaults", Button("Defaults", 1680, 5760, 28))),
      lstNumEn(Add(ControlKind::ListBox, "lstNumEn", EnemyCountList())),
      cmdStart(Add(ControlKind::CommandButton, "cmdStart", Button("Start Battle", 360, 5760, 25))),
      cmdEXIT(Add(ControlKind::CommandButton, "cmdEXIT", Button("Exit", 4320, 5760, 24))),
      Frame2(Add(ControlKind::Frame, "Frame2", Frame("Enemy Stats", 2880, 720, 2775, 2775, 12))),
      txtEMagDef(Add(ControlKind::TextBox, "txtEMagDef", TextBox(Frame2, 1515, 1800, 17, "Enemy Magic Def."))),
      txtESuicide(Add(ControlKind::TextBox, "txtESuicide", TextBox(Frame2, 1515, 1080, 16, "Enemy Suicide Attack"))),
      txtEDefence(Add(ControlKind::TextBox, "txtEDefence", TextBox(Frame2, 1515, 1440, 15, "Enemy Defence"))),
      txtEAttack(Add(ControlKind::TextBox, "txtEAttack", TextBox(Frame2, 1515, 720, 14, "Enemy Attack"))),
      txtEHealth(Add(ControlKind::TextBox, "txtEHealth", TextBox(Frame2, 1515, 360, 13, "Enemy Health"))),
      Label14(Add(ControlKind::Label, "Label14", Label(txtESuicide, "Suicide Attack =", 220, 1080, 1215, 22))),
      Label13(Add(ControlKind::Label, "Label13", Label(txtEAttack, "Attack =", 795, 720, 615, 21))),
      Label12(Add(ControlKind::Label, "Label12", Label(txtEDefence, "Defence =", 645, 1440, 855, 20))),
      Label10(Add(ControlKind::Label, "Label10", Label(txtEMagDef, "Magic Def. =", 480, 1800, 975, 19))),
      Label9(Add(ControlKind::Label, "Label9", Label(txtEHealth, "Health =", 795, 360, 615, 18))),
      Frame1(Add(ControlKind::Frame, "Frame1", Frame("Hero Stats", 240, 720, 2415, 2775, 1))),
      txtHealth(Add(ControlKind::TextBox, "txtHealth", TextBox(Frame1, 1155, 360, 6, "Hero Health"))),
      txtDefence(Add(ControlKind::TextBox, "txtDefence", TextBox(Frame1, 1155, 1080, 5, "Hero Defence"))),
      txtAttack(Add(ControlKind::TextBox, "txtAttack", TextBox(Frame1, 1155, 720, 4, "Hero Attack"))),
      txtMagic(Add(ControlKind::TextBox, "txtMagic", TextBox(Frame1, 1155, 1440, 3, "Hero Magic"))),
      txtMagicDef(Add(ControlKind::TextBox, "txtMagicDef", TextBox(Frame1, 1155, 1800, 2, "Hero Magic Def."))),
      Label3(Add(ControlKind::Label, "Label3", Label(txtHealth, "Health =", 435, 360, 615, 11))),
      Label4(Add(ControlKind::Label, "Label4", Label(txtMagicDef, "Magic Def. =", 120, 1800, 975, 10))),
      Label5(Add(ControlKind::Label, "Label5", Label(txtMagic, "Magic =", 465, 1440, 615, 9))),
      Label6(Add(ControlKind::Label, "Label6", Label(txtDefence, "Defence =", 285, 1080, 855, 8))),
      Label7(Add(ControlKind::Label, "Label7", Label(txtAttack, "Attack =", 435, 720, 615, 7))),
      Frame3(Add(ControlKind::Frame, "Frame3", Frame("Battle Settings", 240, 3600, 5415, 1335, 23))),
      Label15(Add(ControlKind::Label, "Label15",
                  {.container = &Frame3,
                   .left = 120,
                   .top = 240,
                   .width = 2535,
                   .height = 375,
                   .caption = "Number of Enemies (1-5) =",
                   .tabIndex = 26,
                   .accessibleName = lstNumEn.AccessibleName(),
                   .labelFor = &lstNumEn})),
      Label1(Add(ControlKind::Label, "Label1",
                 {.left = 120,
                  .top = 165,
                  .width = 5655,
                  .height = 375,
                  .caption = "Battle Settings",
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
                  .accessibleName = "title band"})) {
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
  txtHealth.SetText("100");
  txtAttack.SetText("15");
  txtDefence.SetText("10");
  txtMagic.SetText("20");
  txtMagicDef.SetText("10");
  txtEHealth.SetText("20");
  txtEAttack.SetText("15");
  txtESuicide.SetText("30");
  txtEDefence.SetText("5");
  txtEMagDef.SetText("10");
  lstNumEn.SetText("1");
}

FrmBattleSettings& frmBattleSettings() { return rt::Instance<FrmBattleSettings>(); }

}  // namespace duelmark
