// The engine alone, for the page's workers (OddsWorker.js): it fights blocks of the odds'
// battles, works out each point of a curve, and writes the finished curve as the command line
// would, its picture and its words. No window, runtime or page is linked in, so the WebAssembly
// stays small and is fetched only when the odds are asked for; a page opened from a disk runs
// the same functions on its own thread (OddsCurve.js). Its words are in the page's language, from
// the catalogue that the page hands it.
#include <emscripten.h>

#include <cstdint>
#include <string>
#include <vector>

#include "CurvePlot.h"
#include "CurveText.h"
#include "ExactOdds.h"
#include "Odds.h"
#include "OddsText.h"
#include "Settings.h"
#include "Texts.h"

namespace {

std::vector<std::uint32_t> counts;
duelmark::Odds::Tally pointTally;  // a sampled point's battles, block by block
double point[6];                   // a point's figures, as duelmark_point_exact describes them
std::vector<double> curvePoints;   // the curve's points, which the page writes before the words
std::string answer;
std::string catalogue;  // a catalogue's bytes, which the page writes before it is used

duelmark::Settings SettingOf(const std::int32_t* numbers) {
  duelmark::Settings settings;
  settings.NumEnemies = static_cast<duelmark::Int16>(numbers[0]);
  for (std::size_t i = 0; i < duelmark::kStatistics.size(); ++i)
    duelmark::SetValue(settings, duelmark::kStatistics[i], static_cast<duelmark::Int16>(numbers[i + 1]));
  return settings;
}

const double* Answered(const duelmark::Odds::Figures& figures) {
  point[0] = figures.method == duelmark::Odds::Method::Exact ? 0 : 1;
  point[1] = static_cast<double>(figures.states);
  point[2] = figures.heroWinRate;
  point[3] = figures.heroWinRateLow;
  point[4] = figures.heroWinRateHigh;
  point[5] = figures.movesMean;
  return point;
}

}  // namespace

extern "C" {

// Fights the first `count` battles (at most a block's) of block `block` of the seeded run, the
// setting given as the number of Enemies and then the statistics in the table's order
// (kStatistics). Answers where its counts stand: how many the Hero won, how many lengths
// follow, and then the battles that lasted 0, 1, 2, ... moves.
EMSCRIPTEN_KEEPALIVE const std::uint32_t* duelmark_fight_block(const std::int32_t* numbers, double seed, int block,
                                                               int count) {
  const duelmark::Odds::Tally tally =
      duelmark::Odds::FightBlock(SettingOf(numbers), static_cast<std::uint64_t>(seed),
                                 static_cast<std::uint64_t>(block), static_cast<std::uint64_t>(count));
  counts.assign({static_cast<std::uint32_t>(tally.heroWins), static_cast<std::uint32_t>(tally.battlesOfLength.size())});
  for (const std::uint64_t battles : tally.battlesOfLength) counts.push_back(static_cast<std::uint32_t>(battles));
  return counts.data();
}

// The battles of a block, by which a worker splits the runs of blocks it is handed.
EMSCRIPTEN_KEEPALIVE int duelmark_block_battles() { return static_cast<int>(duelmark::Odds::kBlockBattles); }

// Room for the setting's numbers, which the worker writes before each block or point.
EMSCRIPTEN_KEEPALIVE std::int32_t* duelmark_setting_numbers() {
  static std::int32_t numbers[1 + duelmark::kStatistics.size()];
  return numbers;
}

// A point of a curve worked out exactly, where the battle reaches at most `maxStates` states:
// answers its method (0 exactly, 1 sampled), states, the Hero's chance with its 95 % interval,
// and the mean moves; or null, and the point is to be sampled. Starts a new sample either way.
EMSCRIPTEN_KEEPALIVE const double* duelmark_point_exact(const std::int32_t* numbers, int maxStates) {
  pointTally = {};
  const auto figures = duelmark::Odds::Exact(SettingOf(numbers), static_cast<std::size_t>(maxStates));
  return figures ? Answered(*figures) : nullptr;
}

// Adds the first `count` battles of block `block` of the seeded run to the point's sample.
EMSCRIPTEN_KEEPALIVE void duelmark_point_fight(const std::int32_t* numbers, double seed, int block, int count) {
  pointTally.Add(duelmark::Odds::FightBlock(SettingOf(numbers), static_cast<std::uint64_t>(seed),
                                            static_cast<std::uint64_t>(block), static_cast<std::uint64_t>(count)));
}

// The sampled point's figures, as duelmark_point_exact answers them.
EMSCRIPTEN_KEEPALIVE const double* duelmark_point_sampled(double seed) {
  return Answered(duelmark::Odds::Summary(pointTally, static_cast<std::uint64_t>(seed)));
}

// Room for `count` points, six numbers each: the value and then the five figures from the method
// on, as duelmark_point_exact answers them (its states apart).
EMSCRIPTEN_KEEPALIVE double* duelmark_curve_points(int count) {
  curvePoints.assign(static_cast<std::size_t>(count) * 6, 0);
  return curvePoints.data();
}

// The curve of the points written, for the setting's numbers and the statistic varied (its place
// in the table, or -1 for the number of Enemies) from `from` to `to` by `step`, with the target
// as a share: {"svg": the picture, "rows": each point's [value, Hero wins, interval or "exactly",
// moves], "crossings": the target's sentences}, each written as the command line writes it.
// Its length in bytes is duelmark_answer_length's.
EMSCRIPTEN_KEEPALIVE const char* duelmark_curve_words(const std::int32_t* numbers, int statistic, int from, int to,
                                                      int step, double target) {
  duelmark::Curve curve{SettingOf(numbers), {}, {}, target};
  if (statistic >= 0) curve.varied.statistic = static_cast<std::size_t>(statistic);
  curve.varied.from = static_cast<duelmark::Int16>(from);
  curve.varied.to = static_cast<duelmark::Int16>(to);
  curve.varied.step = static_cast<duelmark::Int16>(step);
  for (std::size_t i = 0; i + 6 <= curvePoints.size(); i += 6) {
    duelmark::Odds::Figures figures;
    figures.method = curvePoints[i + 1] == 0 ? duelmark::Odds::Method::Exact : duelmark::Odds::Method::Sampled;
    figures.heroWinRate = curvePoints[i + 2];
    figures.heroWinRateLow = curvePoints[i + 3];
    figures.heroWinRateHigh = curvePoints[i + 4];
    figures.movesMean = curvePoints[i + 5];
    curve.points.push_back({static_cast<duelmark::Int16>(curvePoints[i]), figures});
  }
  answer = "{\"svg\":" + duelmark::Quoted(duelmark::CurveSvg(curve)) + ",\"rows\":[";
  for (std::size_t i = 0; i < curve.points.size(); ++i) {
    const duelmark::Odds::Figures& figures = curve.points[i].figures;
    answer += (i ? ",[" : "[") + duelmark::Quoted(rt::ToText(curve.points[i].value)) + "," +
              duelmark::Quoted(duelmark::Percent(figures.heroWinRate)) + "," +
              duelmark::Quoted(duelmark::IsExact(figures) ? rt::Tr("exactly") : duelmark::IntervalWords(figures)) +
              "," + duelmark::Quoted(duelmark::Fixed(figures.movesMean, 2)) + "]";
  }
  answer += "],\"crossings\":[";
  const std::vector<std::string> crossings = duelmark::TargetWords(curve);
  for (std::size_t i = 0; i < crossings.size(); ++i) answer += (i ? "," : "") + duelmark::Quoted(crossings[i]);
  answer += "]}";
  return answer.c_str();
}

EMSCRIPTEN_KEEPALIVE int duelmark_answer_length() { return static_cast<int>(answer.size()); }

// Room for a catalogue (a .mo file) of `length` bytes.
EMSCRIPTEN_KEEPALIVE char* duelmark_catalogue_room(int length) {
  catalogue.assign(static_cast<std::size_t>(length), '\0');
  return catalogue.data();
}

// The words from now on in the language of the catalogue written; in English where it cannot
// be read, as on the page.
EMSCRIPTEN_KEEPALIVE void duelmark_use_catalogue() {
  if (auto read = rt::Catalogue::FromMo(catalogue)) rt::UseCatalogue(std::move(*read));
  catalogue.clear();
}

}  // extern "C"
