// Seeded battles set up through the settings window and watched to the end in virtual time,
// each writing its whole trace to standard output. Built natively and for WebAssembly, the
// two programs must write the same bytes: the compilers agree on every rounding.
//   duelmark_replay [BATTLES [SHOWN]]: with SHOWN, the battles before it run unseen, drawing
//   from the same dice, and only its trace is written.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>

#include "../MessageReader.h"
#include "FrmBattle.h"
#include "FrmBattleSettings.h"
#include "FrmEnd.h"
#include "Runtime.h"

namespace {

using duelmark::frmBattleSettings;
using duelmark::FrmBattleSettings;

void Print(std::string_view line) {
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fputc('\n', stdout);
}

// A text for a statistic: whole numbers over the whole 16-bit range or everyday values, and
// now and then a fraction that the launch rounds.
std::string StatisticText(std::mt19937& dice, bool wholeRange) {
  const auto roll = static_cast<std::uint32_t>(dice());
  const long value = wholeRange ? static_cast<long>(roll % 65536) - 32768 : static_cast<long>(roll % 141) - 20;
  if (dice() % 4 != 0) return std::to_string(value);
  return std::to_string(value) + (dice() % 2 == 0 ? ".5" : ".49");
}

void Battle(std::mt19937& dice, bool wholeRange, bool shown) {
  auto owned = std::make_unique<rt::VirtualClock>();
  rt::VirtualClock& clock = *owned;
  std::uint64_t ticks = dice();
  rt::Runtime runtime(std::move(owned), std::make_unique<rt::ClockSeededRandom>([&ticks] { return ticks += 7919; }));
  rt::program = &runtime;
  if (shown) runtime.SetTraceSink(Print);
  // What the user reads is written to the trace when the battle is shown.
  const duelmark::testing::MessageReader reader(runtime, [shown](const std::string& text) {
    if (shown) Print("message: " + text);
  });

  FrmBattleSettings& settings = frmBattleSettings();
  settings.Show();
  for (rt::Control* box : {&settings.txtHealth, &settings.txtAttack, &settings.txtDefence, &settings.txtMagic,
                           &settings.txtMagicDef, &settings.txtEHealth, &settings.txtEAttack, &settings.txtESuicide,
                           &settings.txtEDefence, &settings.txtEMagDef}) {
    runtime.UserEdit(*box, StatisticText(dice, wholeRange));
  }
  runtime.UserEdit(settings.lstNumEn, std::to_string(1 + dice() % 5));
  // A refused text first, then the launch.
  runtime.UserEdit(settings.txtEHealth, "lots");
  runtime.Click(settings.cmdStart);
  runtime.UserEdit(settings.txtEHealth, StatisticText(dice, wholeRange));
  runtime.Click(settings.cmdStart);
  runtime.Click(duelmark::frmBattle().cmdStart);

  // Each tick arrives a little late, as on a real desktop.
  while (const auto due = runtime.NextTimerDue()) {
    clock.Set(*due + static_cast<rt::Micros>(dice() % 4000));
    runtime.FireDueTimers();
  }
  if (rt::Window* end = runtime.FindLoaded(duelmark::FrmEnd::kName)) runtime.UserClose(*end);
  rt::program = nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  const int battles = argc > 1 ? std::atoi(argv[1]) : 24;
  const int onlyShown = argc > 2 ? std::atoi(argv[2]) : -1;
  std::mt19937 dice(20261208);
  for (int battle = 0; battle < battles; ++battle) {
    const bool shown = onlyShown < 0 || battle == onlyShown;
    if (shown) std::printf("battle %d\n", battle);
    Battle(dice, battle % 2 == 1, shown);
  }
  return 0;
}
