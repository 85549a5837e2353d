// The odds next to the whole program: for four settings, the Hero's share of wins among
// 100,000 battles of the odds and among whole programs, each set up through its settings
// window and watched to the end window headless in virtual time, with the program's own
// generator. The two shares must agree within their intervals.
//   duelmark_watched_odds [PROGRAMS]   (default 2000 a setting)
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "FrmBattle.h"
#include "FrmBattleSettings.h"
#include "FrmEnd.h"
#include "Odds.h"
#include "Runtime.h"
#include "Settings.h"
#include "VirtualTime.h"

namespace {

using namespace duelmark;

// Whether the Hero won a whole program of the given setting, its draws seeded by `seed`.
bool HeroWinsWatched(const Settings& setting, std::uint64_t seed) {
  auto owned = std::make_unique<rt::VirtualClock>();
  rt::VirtualClock& clock = *owned;
  std::uint64_t ticks = seed;
  rt::Runtime runtime(std::move(owned), std::make_unique<rt::ClockSeededRandom>([&ticks] { return ticks += 7919; }));
  rt::program = &runtime;
  FrmBattleSettings& settings = frmBattleSettings();
  settings.Show();
  runtime.UserEdit(settings.lstNumEn, rt::ToText(setting.NumEnemies));
  for (std::size_t i = 0; i < kStatistics.size(); ++i)
    runtime.UserEdit(settings.StatisticBox(i), rt::ToText(Value(setting, kStatistics[i])));
  runtime.Click(settings.cmdStart);
  runtime.Click(frmBattle().cmdStart);
  while (runtime.NextTimerDue()) rt::AdvanceBy(runtime, clock, rt::Milliseconds(3'600'000));
  const bool heroWon = frmEnd().lblEnd.Caption() == "The Hero has defeated all Enemies.";
  rt::program = nullptr;
  return heroWon;
}

Settings With(int enemies, std::initializer_list<std::pair<std::size_t, Int16>> changes) {
  Settings setting = DefaultSettings();
  setting.NumEnemies = static_cast<Int16>(enemies);
  for (auto [statistic, value] : changes) SetValue(setting, kStatistics[statistic], value);
  return setting;
}

}  // namespace

int main(int argc, char** argv) {
  const int programs = argc > 1 ? std::atoi(argv[1]) : 2000;
  struct Named {
    const char* name;
    Settings setting;
  };
  // Indices as in the statistics' table: 0 Hero Health, 1 Attack, 2 Defence, 3 Magic, ...
  const Named settings[] = {
      {"defaults, 5 Enemies", With(5, {})},
      {"Hero Health 40, 3 Enemies", With(3, {{0, 40}})},
      {"Hero Health 90, 5 Enemies", With(5, {{0, 90}})},
      {"Hero Attack 8, Magic 9, Enemy Attack 20, 4 Enemies", With(4, {{1, 8}, {3, 9}, {6, 20}})},
  };
  std::printf("| setting | odds: Hero wins (100,000 battles) | whole programs: Hero wins (%d) |\n|---|---|---|\n",
              programs);
  std::uint64_t seed = 1;
  for (const Named& named : settings) {
    Odds::Run run(named.setting, 100'000, 20261208);
    run.Fight(100'000);
    const Odds::Figures odds = run.Summary();
    int heroWins = 0;
    for (int i = 0; i < programs; ++i) heroWins += HeroWinsWatched(named.setting, seed++ * 1'000'003);
    const double share = static_cast<double>(heroWins) / programs;
    const double margin = 1.96 * std::sqrt(share * (1 - share) / programs);
    std::printf("| %s | %.2f %% (%.2f to %.2f) | %.2f %% ± %.2f |\n", named.name, 100 * odds.heroWinRate,
                100 * odds.heroWinRateLow, 100 * odds.heroWinRateHigh, 100 * share, 100 * margin);
  }
  return 0;
}
