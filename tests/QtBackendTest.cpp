// The Qt backend on the offscreen platform: where the widgets stand and how they stack.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>
#include <map>

#include "AppFont.h"
#include "AppIcon.h"
#include "Battle.h"
#include "FrmBattle.h"
#include "FrmBattleSettings.h"
#include "FrmEnd.h"
#include "Harness.h"
#include "ImageView.h"
#include "LabelView.h"
#include "QtHost.h"
#include "StatisticRows.h"
#include "TabOrder.h"
#include "Units.h"

namespace duelmark::testing {
namespace {

class QtBackend : public Harness {
 protected:
  QtBackend() : host_(Runtime(), QStringLiteral("Duelmark")) {
    form_ = &Show(frmBattle({.NumEnemies = 3, .Hero = {.Health = 100}, .Enemy = {.Health = 20}}));
  }

  rt::qt::FormView& Show(rt::Window& window) {
    window.Show();
    return *host_.ViewOf(window);
  }
  QWidget& WidgetOf(const rt::Control& control) { return host_.ViewOf(control.Owner())->ViewOf(control)->Widget(); }

  rt::qt::QtHost host_;
  rt::qt::FormView* form_ = nullptr;
};

// Each window as its design says, and each control's widget inside its container's at the
// control's twips in whole pixels, also once moved. Labels, pictures and shapes lie below the
// child windows (frames, buttons, boxes), and within each layer the table lists the top first.
TEST_F(QtBackend, EveryWindowAndWidgetStandsAndStacksAsDesigned) {
  for (rt::Window* window : std::initializer_list<rt::Window*>{&frmBattleSettings(), &frmBattle(), &frmEnd()}) {
    SCOPED_TRACE(window->Name());
    const rt::qt::FormView& view = Show(*window);
    const rt::WindowDesign& look = window->Look();
    EXPECT_EQ(view.windowTitle().toStdString(), look.caption);
    EXPECT_EQ(view.width(), rt::Pixels(look.clientWidth));
    const auto outer = window->OuterHeight();
    EXPECT_EQ(view.height(), outer ? rt::ClientPixelsOfOuterHeight(*outer) : rt::Pixels(look.clientHeight));
    EXPECT_EQ(view.minimumSize(), view.maximumSize());
    EXPECT_EQ(bool(view.windowFlags() & Qt::WindowMaximizeButtonHint), look.maxButton);
    EXPECT_EQ(bool(view.windowFlags() & Qt::WindowMinimizeButtonHint), look.minButton);
    if (look.backColor) {
      EXPECT_EQ(view.palette().color(QPalette::Window), rt::qt::ToQColor(*look.backColor));
    }
    // For each parent widget, its children from the bottom up: (a child window, rows from the table's end).
    std::map<const QWidget*, std::map<qsizetype, std::pair<bool, std::size_t>>> stacks;
    const auto& controls = window->Controls();
    for (std::size_t row = 0; row < controls.size(); ++row) {
      rt::Control& control = *controls[row];
      const rt::ControlKind kind = control.Kind();
      if (kind == rt::ControlKind::Timer) continue;
      SCOPED_TRACE(control.TraceName());
      QWidget& widget = WidgetOf(control);
      const QWidget* container = control.Container() ? &WidgetOf(*control.Container()) : &view;
      EXPECT_EQ(widget.parentWidget(), container);
      EXPECT_EQ(widget.isVisibleTo(container), control.Visible());
      const bool drawnOnContainer =
          kind == rt::ControlKind::Label || kind == rt::ControlKind::Image || kind == rt::ControlKind::Shape;
      stacks[container][container->children().indexOf(&widget)] = {!drawnOnContainer, controls.size() - row};
      if (control.Look().autoSize) continue;  // sized to its caption
      control.SetLeft(control.Left() + 15);
      control.SetTop(control.Top() + 30);
      EXPECT_EQ(widget.geometry(), QRect(rt::Pixels(control.Left()), rt::Pixels(control.Top()),
                                         rt::Pixels(control.Width()), rt::Pixels(control.Height())));
    }
    for (const auto& [container, stack] : stacks) {
      std::vector<std::pair<bool, std::size_t>> bottomUp;
      for (const auto& [position, layer] : stack) bottomUp.push_back(layer);
      EXPECT_TRUE(std::ranges::is_sorted(bottomUp)) << container->objectName().toStdString();
    }
  }
}

TEST_F(QtBackend, AutoSizeLabelsKeepTheirAnchorAsTheCaptionGrows) {
  FrmBattle& form = frmBattle();
  QWidget& hp = WidgetOf(form.lblEnemyHP(1));  // right-aligned: the right edge stays put
  const int right = hp.geometry().right();
  State().Enemies(1).Health = 32000;
  Fight().RefreshBattlefield();
  EXPECT_EQ(hp.geometry().right(), right);
  EXPECT_EQ(hp.geometry().right() + 1, 77);  // just left of the "/" at 80
  EXPECT_GT(hp.width(), 15);

  QWidget& max = WidgetOf(form.lblEnemyMax(1));  // left-aligned: the left edge stays put
  EXPECT_EQ(max.geometry().left(), 88);

  form.lblInfo.SetCaption("The Hero attacked Enemy 1.");  // centred over its bar
  QWidget& info = WidgetOf(form.lblInfo);
  EXPECT_NEAR(info.geometry().center().x(), 2497.5 / 15, 1.0);
  EXPECT_GT(info.width(), 100);
  EXPECT_FALSE(info.autoFillBackground());  // the box behind it shows through
}

// The help panel at rest hides the widgets it covers, which takes them out of Tab and of
// the accessibility tree; the focus goes to Close and, as the panel leaves, back to Help.
TEST_F(QtBackend, TheHelpPanelTakesWhatItCoversOutOfTabAndOfAScreenReadersReach) {
  FrmBattleSettings& settings = frmBattleSettings();
  settings.Show();
  rt::qt::FormView& form = *host_.ViewOf(settings);
  QWidget& help = form.ViewOf(settings.cmdHelp)->Widget();
  Runtime().UserFocused(settings.cmdHelp);
  Runtime().Click(settings.cmdHelp);
  AdvanceMs(22 * 50);
  for (const rt::Control* control : {&settings.txtHealth, &settings.lstNumEn, &settings.cmdHelp}) {
    EXPECT_FALSE(form.ViewOf(*control)->Widget().isVisibleTo(&form)) << control->Name();
  }
  EXPECT_TRUE(form.ViewOf(settings.cmdClose)->Widget().isVisibleTo(&form));
  EXPECT_EQ(form.focusWidget(), &form.ViewOf(settings.cmdClose)->Widget());
  Runtime().Click(settings.cmdClose);
  AdvanceMs(22 * 50);
  EXPECT_TRUE(help.isVisibleTo(&form));
  EXPECT_EQ(form.focusWidget(), &help);
}

TEST_F(QtBackend, ClosingTheWindowByItsTitleBarEndsTheProgram) {
  form_->close();
  EXPECT_TRUE(Runtime().Ended());
  EXPECT_EQ(host_.ViewOf(frmBattle(DefaultSettings())), nullptr);  // a later touch does not bring it back on screen
}

// Every picture of the battle window is built in: a misspelt name would draw nothing.
TEST_F(QtBackend, EveryPictureControlFindsItsPicture) {
  for (const auto& control : frmBattle().Controls()) {
    if (control->Kind() != rt::ControlKind::Image) continue;
    EXPECT_FALSE(rt::qt::LoadPicture(control->Look().picture).isNull()) << control->TraceName();
  }
}

TEST_F(QtBackend, EveryWindowShowsTheApplicationIconAtEverySize) {
  frmBattleSettings().Show();
  frmEnd().Show();
  // The icon comes once a window has been painted.
  for (int round = 0; round < 10 && QApplication::windowIcon().isNull(); ++round) QCoreApplication::processEvents();
  for (const rt::Window* window : {static_cast<rt::Window*>(&frmBattleSettings()),
                                   static_cast<rt::Window*>(&frmBattle()), static_cast<rt::Window*>(&frmEnd())}) {
    EXPECT_EQ(host_.ViewOf(*window)->windowIcon().availableSizes(),
              (QList<QSize>{{128, 128}, {16, 16}, {24, 24}, {256, 256}, {32, 32}, {48, 48}, {64, 64}}))
        << window->Name();
  }
  const QIcon icon = QApplication::windowIcon();
  for (const QSize& size : icon.availableSizes()) EXPECT_EQ(icon.pixmap(size).size(), size);
}

TEST(ApplicationFont, IsTheWindowsFontWhileQtsMessageBoxesAndMenusKeepTheSystemFont) {
  EXPECT_EQ(QApplication::font(), rt::qt::DefaultFont());
  QMessageBox box;
  QMenu menu;
  box.ensurePolished();  // as showing it does
  menu.ensurePolished();
  EXPECT_EQ(box.font(), QFontDatabase::systemFont(QFontDatabase::GeneralFont));
  EXPECT_EQ(menu.font(), QFontDatabase::systemFont(QFontDatabase::GeneralFont));
}

QString AccessibleName(QWidget& widget) {
  return QAccessible::queryAccessibleInterface(&widget)->text(QAccessible::Name);
}
QAccessible::Role AccessibleRole(QWidget& widget) { return QAccessible::queryAccessibleInterface(&widget)->role(); }

// What a screen reader meets comes from the windows' control tables: names, roles, the box a
// label names, the announcer; names that follow the battle change with it.
TEST_F(QtBackend, AssistiveTechnologyReadsTheWindowsData) {
  FrmBattle& form = frmBattle();
  EXPECT_EQ(AccessibleRole(*form_), QAccessible::Window);
  EXPECT_EQ(AccessibleName(*form_), "Kelmar: Tarrin's Adventure");
  for (const auto& control : form.Controls()) {
    if (control->Kind() != rt::ControlKind::Image && control->Kind() != rt::ControlKind::Shape) continue;
    EXPECT_EQ(AccessibleRole(WidgetOf(*control)), QAccessible::Graphic) << control->TraceName();
    EXPECT_EQ(AccessibleName(WidgetOf(*control)).toStdString(), control->AccessibleName()) << control->TraceName();
    EXPECT_FALSE(control->AccessibleName().empty()) << control->TraceName();
  }
  EXPECT_EQ(AccessibleRole(WidgetOf(form.frameHero)), QAccessible::Grouping);
  EXPECT_EQ(AccessibleName(WidgetOf(form.frameHero)), "Hero");
  form.lblHP.SetCaption("95");
  EXPECT_EQ(AccessibleName(WidgetOf(form.lblHP)), "95");

  State().Turn = 2;
  Fight().RefreshBattlefield();
  EXPECT_EQ(AccessibleName(WidgetOf(form.imgEnemyArrow)), "turn arrow over Enemy 2");

  // An announcement is spoken once the event has returned: from a notification shown again,
  // or, with Qt 6.8 and later, as an announcement of Qt's (AnnouncerView.cpp).
  form.lblInfo.Announce("Enemy 2 attacked Hero. 5 damage. Hero 95 of 100.");
  QAccessibleInterface* announcer = nullptr;
  for (QWidget* widget : form_->findChildren<QWidget*>()) {
    if (AccessibleRole(*widget) == QAccessible::Notification) announcer = QAccessible::queryAccessibleInterface(widget);
  }
  ASSERT_NE(announcer, nullptr);
  QCoreApplication::processEvents();
  EXPECT_EQ(announcer->text(QAccessible::Name), "Enemy 2 attacked Hero. 5 damage. Hero 95 of 100.");
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
  EXPECT_FALSE(announcer->state().invisible);
#endif

  frmEnd().Show();
  EXPECT_EQ(AccessibleRole(*host_.ViewOf(frmEnd())), QAccessible::Dialog);
}

// The timer that drives the runtime is set for its next due tick, and stopped when none is.
TEST_F(QtBackend, TheHostsTimerFollowsTheRuntimesTimers) {
  auto* tick = host_.findChild<QTimer*>();
  ASSERT_NE(tick, nullptr);
  EXPECT_FALSE(tick->isActive());
  frmBattle().tmrPause.SetEnabled(true);
  EXPECT_TRUE(tick->isActive());
  EXPECT_EQ(tick->interval(), 1000);
  AdvanceMs(400);
  frmBattle().tmrCure.SetEnabled(true);
  EXPECT_EQ(tick->interval(), 50);
  frmBattle().tmrCure.SetEnabled(false);
  EXPECT_EQ(tick->interval(), 600);
  frmBattle().tmrPause.SetEnabled(false);
  EXPECT_FALSE(tick->isActive());
}

// Enter presses the focused button as Space does; Escape closes the report.
TEST_F(QtBackend, EnterPressesAFocusedButtonAndEscapeClosesTheReport) {
  Draws({0.5f});  // the opening attack's target
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QCoreApplication::sendEvent(&WidgetOf(frmBattle().cmdStart), &enter);
  EXPECT_FALSE(frmBattle().cmdStart.Enabled());
  frmEnd().Show();
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QCoreApplication::sendEvent(host_.ViewOf(frmEnd()), &escape);
  EXPECT_EQ(Runtime().FindLoaded(FrmEnd::kName), nullptr);
}

class QtSettings : public QtBackend {
 protected:
  QtSettings() { form_ = &Show(frmBattleSettings()); }
};

TEST_F(QtSettings, FocusStartsAtTheFirstTabStopAndTabFollowsTheTabOrder) {
  QWidget* widget = form_->focusWidget();
  for (const rt::Control* control : rt::TabOrder(frmBattleSettings())) {
    EXPECT_EQ(widget, &WidgetOf(*control)) << control->TraceName();
    do widget = widget->nextInFocusChain();
    while (widget->focusPolicy() == Qt::NoFocus || widget == form_);
  }
  WidgetOf(frmBattleSettings().txtAttack).setFocus();
  form_->showMinimized();  // a restored window keeps the user's focus
  form_->showNormal();
  EXPECT_EQ(form_->focusWidget(), &WidgetOf(frmBattleSettings().txtAttack));
}

// Each box is named by its frame and label, the label tied to it, and its whole text read.
TEST_F(QtSettings, EveryBoxAndTheListAreNamedByTheirLabelAndFrame) {
  FrmBattleSettings& form = frmBattleSettings();
  for (std::size_t i = 0; i < kStatistics.size(); ++i) {
    const std::string_view name = kStatisticRows[i].box;
    QWidget& box = *form_->findChild<QWidget*>(QString::fromUtf8(name.data(), qsizetype(name.size())));
    EXPECT_EQ(AccessibleName(box).toStdString(),
              (kStatistics[i].side == Side::Hero ? "Hero " : "Enemy ") + std::string(kStatistics[i].name));
  }
  EXPECT_EQ(AccessibleName(WidgetOf(form.lstNumEn)), "Number of Enemies (1-5)");
  int tied = 0;
  for (const auto& label : form.Controls()) {
    if (!label->Look().labelFor) continue;
    const auto boxes = QAccessible::queryAccessibleInterface(&WidgetOf(*label))->relations(QAccessible::Labelled);
    ASSERT_EQ(boxes.size(), 1) << label->TraceName();
    EXPECT_EQ(boxes.front().first->object(), &WidgetOf(*label->Look().labelFor)) << label->TraceName();
    ++tied;
  }
  EXPECT_EQ(tied, 11);
  QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(&WidgetOf(form.txtHealth))->textInterface();
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->text(0, text->characterCount()), "100");
  int start = -1, end = -1;
  text->attributes(1, &start, &end);
  EXPECT_EQ(std::pair(start, end), std::pair(0, 3));
}

TEST_F(QtSettings, WhatTheUserTypesOrChoosesReachesTheControls) {
  FrmBattleSettings& form = frmBattleSettings();
  auto& attack = dynamic_cast<QLineEdit&>(WidgetOf(form.txtAttack));
  EXPECT_EQ(attack.text(), "15");
  TakeTrace();
  form.txtAttack.SetText("42");  // the program's own write is not echoed back as the user's
  EXPECT_EQ(TakeTrace(), std::vector<std::string>{"frmBattleSettings.txtAttack.Text=\"42\""});
  EXPECT_EQ(attack.text(), "42");
  attack.selectAll();
  attack.insert("12abc");  // as typing does
  EXPECT_EQ(form.txtAttack.Text(), "12abc");
  auto& list = dynamic_cast<QListWidget&>(WidgetOf(form.lstNumEn));
  EXPECT_EQ(list.currentRow(), 0);
  list.setCurrentRow(3);
  EXPECT_EQ(form.lstNumEn.Text(), "4");
  list.clearSelection();  // as a Ctrl+click on the selected item would
  EXPECT_TRUE(list.item(3)->isSelected());
  Runtime().Click(form.cmdDefaults);
  EXPECT_EQ(attack.text(), "15");
  EXPECT_EQ(list.currentRow(), 0);
  EXPECT_EQ(list.selectedItems().size(), 1);
}

TEST_F(QtSettings, ARefusedTextGetsTheFocusWithItsTextSelected) {
  FrmBattleSettings& form = frmBattleSettings();
  form.txtEDefence.SetText("five");
  Runtime().Click(form.cmdStart);
  // The click has returned with the box open over every window; the user reads it and closes it.
  auto* message = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  ASSERT_NE(message, nullptr);
  EXPECT_TRUE(message->text().startsWith(QStringLiteral("Enemy \"Defence\"")));
  message->accept();
  auto& box = dynamic_cast<QLineEdit&>(WidgetOf(form.txtEDefence));
  EXPECT_EQ(form_->focusWidget(), &box);
  EXPECT_EQ(box.selectedText(), "five");
}

TEST_F(QtSettings, TheHelpPanelIsOpaqueAndParkedJustBelowTheVisiblePart) {
  FrmBattleSettings& form = frmBattleSettings();
  QWidget& help = WidgetOf(form.fraHelp);
  EXPECT_TRUE(help.autoFillBackground());
  EXPECT_EQ(form_->height(), help.y());
  EXPECT_LT(WidgetOf(form.cmdStart).geometry().bottom(), form_->height());
  Runtime().Click(form.cmdHelp);
  EXPECT_TRUE(help.isVisibleTo(form_));
}

TEST(LabelWrap, ALineBreaksAtTheBlankBeforeTheWordThatOverflows) {
  QFont font;
  font.setPixelSize(12);
  const QFontMetricsF metrics(font);
  const double width = metrics.horizontalAdvance("Next Move in: ") + 1;
  EXPECT_EQ(rt::qt::LabelView::WrapAtBlanks("Next Move in:      Seconds", metrics, width),
            (QStringList{"Next Move in:", "     Seconds"}));
  EXPECT_EQ(rt::qt::LabelView::WrapAtBlanks("short", metrics, width), QStringList{"short"});
  EXPECT_EQ(rt::qt::LabelView::WrapAtBlanks("", metrics, width), QStringList{""});
  EXPECT_EQ(rt::qt::LabelView::WrapAtBlanks("a b", metrics, 1), (QStringList{"a", "b"}));
}

}  // namespace
}  // namespace duelmark::testing

int main(int argc, char** argv) {
  // Always the offscreen platform, also when ctest lists the tests: no display is needed, and
  // the pixel checks hold whatever platform the shell names.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication application(argc, argv);
  rt::qt::InstallApplicationFont();
  rt::qt::InstallApplicationIcon();
  return RUN_ALL_TESTS();
}
