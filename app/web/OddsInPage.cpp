// The odds on the page, for the values now in the settings window. The page asks for them in
// slices, between its own events and the battle's, so that neither waits for the odds.
#include <emscripten.h>

#include <memory>
#include <string>
#include <variant>

#include "BSettings.h"
#include "FrmBattleSettings.h"
#include "OddsText.h"
#include "Random.h"
#include "Runtime.h"

namespace {

std::unique_ptr<duelmark::Odds::Run> run;
duelmark::Setting setting;
std::string answer;  // the last answer, which the page reads before it asks again

std::string Quoted(const std::string& text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') quoted += '\\';
    if (c == '\n') {
      quoted += "\\n";
      continue;
    }
    quoted += c;
  }
  return quoted + "\"";
}

}  // namespace

extern "C" {

// Starts a run of the given number of battles. Answers {"battles": N}, or {"refused": why,
// "box": its name} for a text the battle cannot hold, or {"closed": true} once the settings
// window has gone.
EMSCRIPTEN_KEEPALIVE const char* duelmark_odds_begin(int battles) {
  run.reset();
  if (!rt::program->FindLoaded(duelmark::FrmBattleSettings::kName)) return (answer = "{\"closed\":true}").c_str();
  const auto read = duelmark::BSettings::ReadSetting();
  if (const auto* refused = std::get_if<duelmark::BSettings::Refused>(&read)) {
    answer = "{\"refused\":" + Quoted(refused->message) + ",\"box\":" + Quoted(refused->box->Name()) + "}";
    return answer.c_str();
  }
  setting = std::get<duelmark::Setting>(read);
  const std::uint64_t seed = rt::SystemClockTicks() % 1'000'000'000;
  run = std::make_unique<duelmark::Odds::Run>(duelmark::SettingsOf(setting), static_cast<std::uint64_t>(battles), seed);
  return (answer = "{\"battles\":" + std::to_string(battles) + "}").c_str();
}

// Fights up to `count` more battles of the run. Answers {"fought": n} while it goes on, and the
// odds' figures (OddsJson) once it is done, with the command line's text of them as "text": the
// page shows its sentences as they are, since the JSON's shares and mean, rounded to a few
// places, would round again to a different last digit now and then. {"closed": true} with no
// run.
EMSCRIPTEN_KEEPALIVE const char* duelmark_odds_fight(int count) {
  if (!run) return (answer = "{\"closed\":true}").c_str();
  run->Fight(static_cast<std::uint64_t>(count));
  if (!run->Done()) return (answer = "{\"fought\":" + std::to_string(run->Fought()) + "}").c_str();
  const duelmark::Odds::Figures figures = run->Summary();
  answer = duelmark::OddsJson(setting, figures);
  answer.pop_back();  // the object's closing brace, after which the text goes in
  answer += ",\"text\":" + Quoted(duelmark::OddsText(setting, figures)) + "}";
  run.reset();
  return answer.c_str();
}

}  // extern "C"
