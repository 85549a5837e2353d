// The odds on the page, for the values now in the settings window. The page's workers fight
// the battles block by block, each worker with the engine alone (OddsWorker.cpp), and hand the
// counts to the page; this program reads the setting, picks the seed and turns the counts into
// the figures and their words. Where the page has no workers (opened from a disk), this program
// fights the battles itself, in slices between the page's own events and the battle's. For a
// curve it reads the setting alone: its points, picture and words are the workers' engine's.
#include <emscripten.h>

#include <memory>
#include <string>
#include <variant>

#include "BSettings.h"
#include "FrmBattleSettings.h"
#include "OddsText.h"
#include "Random.h"
#include "Runtime.h"
#include "WebHost.h"

namespace {

// Odds asked for are the user's doing, as any input: a new build of the page waits, and does not
// take the panel's answer away.
void UserAsked() {
  if (auto* host = rt::web::WebHost::Active()) host->UserActed();
}

std::unique_ptr<duelmark::Odds::Run> run;
duelmark::Settings settings;
std::uint64_t seed = 0;
duelmark::Odds::Tally tally;  // the workers' counts, added up by the page
std::string answer;           // the last answer, which the page reads before it asks again

const char* Answered(const duelmark::Odds::Figures& figures) {
  answer = duelmark::OddsJsonWithWords(settings, figures);
  return answer.c_str();
}

// The values now in the settings window into `read`; else the answer says why not:
// {"refused": why, "box": its name} for a text the battle cannot hold, or {"closed": true} once
// the settings window has gone.
bool ReadSettings(duelmark::Settings& read) {
  if (!rt::program->FindLoaded(duelmark::FrmBattleSettings::kName)) {
    answer = "{\"closed\":true}";
    return false;
  }
  const auto setting = duelmark::BSettings::ReadSetting();
  if (const auto* refused = std::get_if<duelmark::BSettings::Refused>(&setting)) {
    answer = "{\"refused\":" + duelmark::Quoted(refused->message) +
             ",\"box\":" + duelmark::Quoted(refused->box->Name()) + "}";
    return false;
  }
  read = std::get<duelmark::Settings>(setting);
  return true;
}

// The seed and the setting's numbers as JSON members: the number of Enemies and then the
// statistics in the table's order (kStatistics), as a worker takes them.
std::string SeedAndNumbers(const duelmark::Settings& read) {
  std::string members = "\"seed\":" + std::to_string(seed) + ",\"numbers\":[" + std::to_string(read.NumEnemies);
  for (const duelmark::Statistic& statistic : duelmark::kStatistics)
    members += "," + std::to_string(duelmark::Value(read, statistic));
  return members + "]";
}

}  // namespace

extern "C" {

// Begins the odds of the given number of battles. Answers {"battles": N, "seed": S, "block": the
// battles of a block, "numbers": [...]}, or why not (ReadSettings).
EMSCRIPTEN_KEEPALIVE const char* duelmark_odds_begin(int battles) {
  UserAsked();
  run.reset();
  tally = {};
  if (!ReadSettings(settings)) return answer.c_str();
  seed = rt::SystemClockTicks() % 1'000'000'000;
  answer = "{\"battles\":" + std::to_string(battles) + ",\"block\":" + std::to_string(duelmark::Odds::kBlockBattles) +
           "," + SeedAndNumbers(settings) + "}";
  return answer.c_str();
}

// The values now in the settings window for a curve, with the seed of the odds the panel shows
// (one of its own if it shows none), leaving those odds as they are: {"seed": S, "numbers": [...]}
// or why not (ReadSettings).
EMSCRIPTEN_KEEPALIVE const char* duelmark_odds_setting() {
  UserAsked();
  duelmark::Settings read;
  if (!ReadSettings(read)) return answer.c_str();
  if (seed == 0) seed = rt::SystemClockTicks() % 1'000'000'000;
  return (answer = "{" + SeedAndNumbers(read) + "}").c_str();
}

// Without workers: starts fighting the battles begun here, a slice at a time.
EMSCRIPTEN_KEEPALIVE void duelmark_odds_fight_here(int battles) {
  run = std::make_unique<duelmark::Odds::Run>(settings, static_cast<std::uint64_t>(battles), seed);
}

// Fights up to `count` more battles of the run. Answers {"fought": n} while it goes on, and the
// figures with their words (OddsJsonWithWords) once it is done; {"closed": true} with no run.
EMSCRIPTEN_KEEPALIVE const char* duelmark_odds_fight(int count) {
  if (!run) return (answer = "{\"closed\":true}").c_str();
  run->Fight(static_cast<std::uint64_t>(count));
  if (!run->Done()) return (answer = "{\"fought\":" + std::to_string(run->Fought()) + "}").c_str();
  const duelmark::Odds::Figures figures = run->Summary();
  run.reset();
  return Answered(figures);
}

// The workers' counts, as the page has added them up: so many battles lasted `moves` moves.
EMSCRIPTEN_KEEPALIVE void duelmark_odds_lasted(int moves, double battles) {
  const auto length = static_cast<std::size_t>(moves);
  if (length >= tally.battlesOfLength.size()) tally.battlesOfLength.resize(length + 1);
  tally.battlesOfLength[length] += static_cast<std::uint64_t>(battles);
}

// The figures and their words of the battles begun here, of which the Hero won `heroWins`, once
// the page has handed over every length.
EMSCRIPTEN_KEEPALIVE const char* duelmark_odds_summary(double battles, double heroWins) {
  tally.battles = static_cast<std::uint64_t>(battles);
  tally.heroWins = static_cast<std::uint64_t>(heroWins);
  const duelmark::Odds::Figures figures = duelmark::Odds::Summary(tally, seed);
  tally = {};
  return Answered(figures);
}

}  // extern "C"
