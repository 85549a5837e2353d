#include "CommandLine.h"

#include <QCommandLineParser>
#include <QLocale>
#include <QStringList>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <optional>
#include <string>
#include <tuple>
#include <variant>
#include <vector>

#include "BSettings.h"
#include "CurveOptions.h"
#include "NumberText.h"
#include "Random.h"
#include "Statistics.h"

namespace duelmark {
namespace {

constexpr const char* kUsage = "Usage: duelmark [--help | --version | --odds [options] | Qt's options]";
constexpr std::uint64_t kMostBattles = 1'000'000'000;
constexpr std::uint64_t kMostJobs = 1024;
constexpr std::uint64_t kMostStates = 10'000'000;

std::string Help() {
  std::string help =
      "Usage: duelmark [options]\n"
      "Stages an automatic, turn-based fight between one Hero and one to five Enemies\n"
      "and lets you watch it.\n"
      "\n"
      "  -h, --help                  print this help and end\n"
      "  -v, --version               print the version and end\n"
      "\n"
      "The odds of a setting, without a window:\n"
      "  --odds                      print how often the Hero wins and how long the battles\n"
      "                              last: exactly, from every state the battle can reach,\n"
      "                              or else from many battles fought unseen\n"
      "  --max-states N              work the odds out exactly up to N states (default " +
      std::to_string(Odds::Way{}.maxStates) +
      ")\n"
      "  --battles N                 sample N battles instead (default 100000)\n"
      "  --seed S                    sample the same battles again for the same S (default:\n"
      "                              from the clock; the output names it)\n"
      "  --jobs N                    how many battles at once, each on a processor of its own\n"
      "                              (default: one on each, here " +
      std::to_string(DefaultJobs()) +
      "); the figures are the same\n"
      "                              whatever N is\n"
      "  --json                      prints one JSON object instead of text\n"
      "  --vary STATISTIC=FROM..TO[:STEP]\n"
      "                              a curve: the odds for each value of one statistic, named\n"
      "                              as its option below, from FROM to TO by STEP (default 1)\n"
      "  --target P                  with --vary, where the Hero's chance crosses P percent\n"
      "  --csv                       with --vary, prints CSV with a header row\n"
      "  --plot FILE                 with --vary, writes the curve as an SVG picture to FILE\n"
      "  --" +
      std::string(kEnemyCount.optionName) + " N                 the number of Enemies, " +
      rt::ToText(kEnemyCount.lowest) + " to " + rt::ToText(kEnemyCount.highest) + " (default " +
      rt::ToText(kEnemyCount.defaultValue) + ")\n";
  for (const Statistic& statistic : kStatistics) {
    std::string option = "  --" + OptionName(statistic) + " N";
    option.resize(30, ' ');
    help += option + SpokenName(statistic) + " (default " + rt::ToText(statistic.defaultValue) + ")\n";
  }
  return help + "The statistics are numbers from " + rt::ToText(kLowestStatistic) + " to " +
         rt::ToText(kHighestStatistic) +
         ", read as the settings window reads\n"
         "them; a fraction is rounded to the nearest whole number.\n"
         "\n"
         "Qt's own options, such as -platform xcb or -style fusion, go to Qt.\n";
}

// The options that QApplication and Qt's platform plugins take out of argv themselves (Qt 6.4).
// Listed, though not in the help, they pass the parser on their way to Qt.
constexpr const char* kQtFlags[] = {"reverse", "widgetcount", "testability", "dograb", "nograb"};
constexpr const char* kQtOptionsWithValue[] = {"platform",      "platformpluginpath",
                                               "platformtheme", "plugin",
                                               "qmljsdebugger", "qwindowgeometry",
                                               "qwindowicon",   "qwindowtitle",
                                               "session",       "style",
                                               "stylesheet",    "display",
                                               "geometry",      "title",
                                               "icon",          "name",
                                               "visual"};

void AddQtOption(QCommandLineParser& parser, const char* name, const QString& valueName) {
  QCommandLineOption option(QString::fromLatin1(name), QString(), valueName);
  option.setFlags(QCommandLineOption::HiddenFromHelp);
  parser.addOption(option);
}

void Print(std::FILE* stream, const QString& text) { std::fputs(text.toLocal8Bit().constData(), stream); }

// The command line answered by printing: the program ends with this status.
CommandLine Exit(int status) { return {.exitStatus = status, .namesDisplay = false, .odds = std::nullopt}; }

QCommandLineOption ValueOption(const std::string& name) {
  return QCommandLineOption(QString::fromStdString(name), QString(), QStringLiteral("value"));
}

// A whole number from `least` to `most`, or a message that names the option.
std::variant<std::uint64_t, std::string> WholeNumber(const QCommandLineParser& parser, const QString& name,
                                                     std::uint64_t least, std::uint64_t most) {
  bool ok = false;
  const std::uint64_t value = parser.value(name).trimmed().toULongLong(&ok);
  if (ok && value >= least && value <= most) return value;
  return "--" + name.toStdString() + " must be a whole number from " + std::to_string(least) + " to " +
         std::to_string(most) + ".";
}

// The odds' request from the parsed options, or a message that names the first bad value.
std::variant<OddsRequest, std::string> ReadOddsRequest(const QCommandLineParser& parser) {
  OddsRequest request;
  const QLocale locale;
  const rt::NumberFormat format =
      rt::NumberFormatOf(locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString());
  const auto number = [&](const std::string& name, Int16& value) -> std::optional<std::string> {
    const QString option = QString::fromStdString(name);
    if (!parser.isSet(option)) return std::nullopt;
    const auto converted = rt::ParseNumber(parser.value(option).toStdString(), format);
    if (const Int16* parsed = std::get_if<Int16>(&converted)) {
      value = *parsed;
      return std::nullopt;
    }
    return BSettings::Refusal("--" + name, format.decimal);
  };
  const std::string enemies(kEnemyCount.optionName);
  if (auto refused = number(enemies, request.settings.NumEnemies)) return *refused;
  if (Unfit(request.settings))
    return "--" + enemies + " must be a number from " + rt::ToText(kEnemyCount.lowest) + " to " +
           rt::ToText(kEnemyCount.highest) + ".";
  for (const Statistic& statistic : kStatistics) {
    Int16 value = Value(request.settings, statistic);
    if (auto refused = number(OptionName(statistic), value)) return *refused;
    SetValue(request.settings, statistic, value);
  }
  using Bounded = std::tuple<const char*, std::uint64_t, std::uint64_t, std::uint64_t*>;
  std::uint64_t jobs = DefaultJobs();
  std::uint64_t maxStates = request.way.maxStates;
  for (auto [name, least, most, value] :
       {Bounded{"battles", 1, kMostBattles, &request.way.battles},
        Bounded{"seed", 0, std::numeric_limits<std::uint64_t>::max(), &request.way.seed},
        Bounded{"jobs", 1, kMostJobs, &jobs}, Bounded{"max-states", 1, kMostStates, &maxStates}}) {
    const QString option = QString::fromLatin1(name);
    if (!parser.isSet(option)) continue;
    const auto read = WholeNumber(parser, option, least, most);
    if (const auto* mistake = std::get_if<std::string>(&read)) return *mistake;
    *value = std::get<std::uint64_t>(read);
  }
  // Battles or a seed ask for the odds to be sampled.
  request.way.sample = parser.isSet(QStringLiteral("battles")) || parser.isSet(QStringLiteral("seed"));
  if (!parser.isSet(QStringLiteral("seed"))) request.way.seed = rt::SystemClockTicks() % kMostBattles;
  request.way.jobs = static_cast<unsigned>(jobs);
  request.way.maxStates = static_cast<std::size_t>(maxStates);
  request.json = parser.isSet(QStringLiteral("json"));
  request.csv = parser.isSet(QStringLiteral("csv"));
  if (parser.isSet(QStringLiteral("vary"))) {
    auto varied = ReadVaried(parser.value(QStringLiteral("vary")).toStdString());
    if (const auto* mistake = std::get_if<std::string>(&varied)) return *mistake;
    request.vary = std::get<Odds::Varied>(varied);
  }
  for (const char* name : {"target", "csv", "plot"}) {
    if (parser.isSet(QString::fromLatin1(name)) && !request.vary)
      return "--" + std::string(name) + " is an option of --vary.";
  }
  if (request.json && request.csv) return std::string("--json and --csv ask for two forms; choose one.");
  if (parser.isSet(QStringLiteral("target"))) {
    auto target = ReadTarget(parser.value(QStringLiteral("target")).toStdString());
    if (const auto* mistake = std::get_if<std::string>(&target)) return *mistake;
    request.target = std::get<double>(target);
  }
  if (parser.isSet(QStringLiteral("plot"))) request.plot = parser.value(QStringLiteral("plot")).toStdString();
  return request;
}

}  // namespace

CommandLine ReadCommandLine(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);

  QCommandLineParser parser;
  // Qt writes its options as words after a single dash, as in -platform.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
  const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
  parser.addOptions({help, version});
  const QCommandLineOption odds(QStringLiteral("odds"));
  const QCommandLineOption json(QStringLiteral("json"));
  const QCommandLineOption csv(QStringLiteral("csv"));
  parser.addOptions({odds, json, csv});
  std::vector<std::string> oddsValues = {"battles", "seed",   "jobs", "max-states",
                                         "vary",    "target", "plot", std::string(kEnemyCount.optionName)};
  for (const Statistic& statistic : kStatistics) oddsValues.push_back(OptionName(statistic));
  for (const std::string& name : oddsValues) parser.addOption(ValueOption(name));
  for (const char* name : kQtFlags) AddQtOption(parser, name, QString());
  for (const char* name : kQtOptionsWithValue) AddQtOption(parser, name, QStringLiteral("value"));

  const bool understood = parser.parse(arguments);
  if (!understood || !parser.positionalArguments().isEmpty()) {
    const QString mistake = understood
                                ? QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first())
                                : parser.errorText();
    Print(stderr, mistake + u' ' + QString::fromUtf8(kUsage) + u'\n');
    return Exit(2);
  }
  if (parser.isSet(help)) {
    Print(stdout, QString::fromStdString(Help()));
    return Exit(0);
  }
  if (parser.isSet(version)) {
    Print(stdout, QStringLiteral("Duelmark " DUELMARK_VERSION "\n"));
    return Exit(0);
  }
  if (!parser.isSet(odds)) {
    oddsValues.push_back("json");
    oddsValues.push_back("csv");
    for (const std::string& name : oddsValues) {
      if (!parser.isSet(QString::fromStdString(name))) continue;
      Print(stderr,
            QString::fromStdString("--" + name + " is an option of --odds. ") + QString::fromUtf8(kUsage) + u'\n');
      return Exit(2);
    }
  }
  if (parser.isSet(odds)) {
    auto request = ReadOddsRequest(parser);
    if (const auto* mistake = std::get_if<std::string>(&request)) {
      Print(stderr, QString::fromStdString(*mistake) + u'\n');
      return Exit(2);
    }
    return {.exitStatus = std::nullopt, .namesDisplay = false, .odds = std::get<OddsRequest>(request)};
  }
  return {.exitStatus = std::nullopt,
          .namesDisplay = parser.isSet(QStringLiteral("platform")) || parser.isSet(QStringLiteral("display")),
          .odds = std::nullopt};
}

}  // namespace duelmark
