// Every text fits its control at its window's designed size, in each language, measured with
// Qt's metrics of the fonts the program draws in: the captions as each window opens, and the
// texts that come later at their longest (every move's message, the countdown, the report's
// counts). Prints each window's tightest fit per language.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QWidget>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "Battle.h"
#include "ControlLook.h"
#include "FrmBattle.h"
#include "FrmBattleSettings.h"
#include "FrmEnd.h"
#include "Harness.h"
#include "LabelView.h"
#include "QtHost.h"
#include "Texts.h"

namespace duelmark::testing {
namespace {

struct Language {
  const char* name;
  const char* catalogue;  // a compiled catalogue; empty for English
};

// The room a text needs against the room its control gives, in pixels.
struct Fit {
  std::string text;
  double needs = 0;
  double has = 0;
  double Share() const { return has > 0 ? needs / has : 1e9; }
};

Fit Measure(const rt::Control& control, const QWidget& widget) {
  const QFontMetricsF metrics(widget.font());
  const QString text = QString::fromStdString(control.Caption());
  const double width = widget.width(), height = widget.height();
  switch (control.Kind()) {
    case rt::ControlKind::CommandButton: {
      // Drawn word-wrapped within a margin of 4 pixels, as high as the lines take.
      const QRectF room(0, 0, width - 8, height - 8);
      const QRectF used = metrics.boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, text);
      return {control.Caption(), std::max(used.width() / room.width(), used.height() / room.height()) * room.width(),
              room.width()};
    }
    case rt::ControlKind::Frame:
      // The caption stands on the frame's top edge, its own indent to the left and right.
      return {control.Caption(), metrics.horizontalAdvance(text) + 4 + 2 * rt::kFrameCaptionIndent, width};
    case rt::ControlKind::Label: {
      if (control.Look().autoSize) {
        const QWidget& container = *widget.parentWidget();
        return {control.Caption(), double(widget.geometry().right() + 1), double(container.width())};
      }
      // Wrapped at blanks; the lines must lie within the label's height, each within its width.
      const QStringList lines = rt::qt::LabelView::WrapAtBlanks(text, metrics, width);
      double widest = 0;
      for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line.trimmed()));
      const double tall = static_cast<double>(lines.size() - 1) * metrics.height() + metrics.ascent();
      return {control.Caption(), std::max(widest / (width + 0.5), tall / height) * width, width};
    }
    default: return {};
  }
}

class TextFit : public Harness, public ::testing::WithParamInterface<Language> {
 protected:
  void SetUp() override {
    // Draws as the program's own, repeatable: the battle below takes as many as it needs.
    Install(std::make_unique<rt::ClockSeededRandom>([] { return 7; }));
    const Language& language = GetParam();
    pseudo_ = std::string(language.name) == "Pseudo";
    if (*language.catalogue) {
      std::ifstream file(language.catalogue, std::ios::binary);
      std::ostringstream bytes;
      bytes << file.rdbuf();
      auto catalogue = rt::Catalogue::FromMo(bytes.str());
      if (!catalogue) GTEST_SKIP() << "no catalogue at " << language.catalogue << " (msgfmt is not installed)";
      rt::UseCatalogue(std::move(*catalogue));
    }
    host_ = std::make_unique<rt::qt::QtHost>(Runtime(), QStringLiteral("Duelmark"));
  }
  void TearDown() override { rt::UseCatalogue({}); }

  // Every visible text of the window as it stands now, each fit noted against the window's.
  void MeasureAll(rt::Window& window) {
    rt::qt::FormView& view = *host_->ViewOf(window);
    for (const auto& control : window.Controls()) {
      if (control->Caption().empty() || !control->Visible()) continue;
      Note(window, Measure(*control, view.ViewOf(*control)->Widget()));
    }
  }
  // A real language's text must fit. The pseudo-language's, longer than any, shows where room
  // runs short, and that no text bypasses the catalogue: each is accented or padded.
  void Note(rt::Window& window, const Fit& fit) {
    if (fit.has <= 0) return;
    const bool words = std::any_of(fit.text.begin(), fit.text.end(),
                                   [](char c) { return std::isalpha(static_cast<unsigned char>(c)); });
    if (pseudo_) {
      EXPECT_TRUE(!words || fit.text.find_first_of("~\xc3\xc5") != std::string::npos)
          << window.Name() << ": \"" << fit.text << "\" bypasses the catalogue";
    } else {
      EXPECT_LE(fit.needs, fit.has + 0.5)
          << window.Name() << ": \"" << fit.text << "\" needs " << fit.needs << " pixels and has " << fit.has;
    }
    Fit& tightest = tightest_[window.Name()];
    if (fit.Share() > tightest.Share() || tightest.has == 0) tightest = fit;
  }
  void MeasureControl(rt::Window& window, const rt::Control& control) {
    Note(window, Measure(control, host_->ViewOf(window)->ViewOf(control)->Widget()));
  }
  void PrintTightest() {
    for (const auto& [window, fit] : tightest_)
      std::printf("%-8s %-18s %3.0f %%  \"%s\": %.0f of %.0f pixels\n", GetParam().name, window.c_str(),
                  100 * fit.Share(), fit.text.c_str(), fit.needs, fit.has);
  }

  std::unique_ptr<rt::qt::QtHost> host_;
  std::map<std::string, Fit> tightest_;
  bool pseudo_ = false;
};

TEST_P(TextFit, EveryTextFitsItsControlAtTheDesignedSize) {
  FrmBattleSettings& settings = frmBattleSettings();
  settings.Show();
  MeasureAll(settings);
  Runtime().Click(settings.cmdHelp);
  settings.fraHelp.SetVisible(true);
  MeasureAll(settings);

  // The battle window: as it opens, with its Start button's second caption, and each move's
  // message with the widest numbers, against five Enemies.
  FrmBattle& battle = OpenBattle(5);
  battle.Show();
  MeasureAll(battle);
  Runtime().Click(battle.cmdStart);
  BattleState state = State();
  constexpr Int16 kWidest = -32768;
  state.Damage = state.Hero.Magic = state.Hero.Health = state.Hero.MaxHealth = kWidest;
  for (int enemy = 1; enemy <= 5; ++enemy) {
    state.HeroTarget = state.Turn = static_cast<Int16>(enemy);
    state.Enemies(enemy).Health = state.Enemies(enemy).MaxHealth = kWidest;
    for (Move move : {Move::HeroAttack, Move::HeroMagic, Move::HeroCure, Move::EnemyAttack, Move::EnemySuicide}) {
      battle.ShowMove(move, state);
      MeasureControl(battle, battle.lblInfo);
    }
  }
  MeasureAll(battle);
  // The countdown, each second of it.
  battle.ShowEnemiesDefeated();
  for (int second = 0; second < 5; ++second) {
    battle.TimerSeconds = static_cast<Int16>(second);
    battle.tmrEnd_Timer();
    MeasureControl(battle, battle.lblInfo);
  }
  battle.ShowHeroDefeated();

  // The report with either outcome and the largest counts, loaded anew to read them.
  State().HeroMoves = State().EnemyMoves = 32767;
  frmEnd().Unload();
  for (auto outcome : {&FrmBattle::ShowEnemiesDefeated, &FrmBattle::ShowHeroDefeated}) {
    (battle.*outcome)();
    frmEnd().Show();
    MeasureAll(frmEnd());
  }
  PrintTightest();
}

INSTANTIATE_TEST_SUITE_P(Languages, TextFit,
                         ::testing::Values(Language{"English", ""}, Language{"German", GERMAN_CATALOGUE},
                                           Language{"French", FRENCH_CATALOGUE}, Language{"Pseudo", PSEUDO_CATALOGUE}),
                         [](const auto& language) { return std::string(language.param.name); });

}  // namespace
}  // namespace duelmark::testing
