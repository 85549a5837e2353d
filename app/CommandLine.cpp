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
#include "Texts.h"

namespace duelmark {
namespace {

constexpr std::uint64_t kMostBattles = 1'000'000'000;
constexpr std::uint64_t kMostJobs = 1024;
constexpr std::uint64_t kMostStates = 10'000'000;
// Where the help's second column starts: what each option does.
constexpr std::size_t kHelpColumn = 30;

using rt::Format;
using rt::Tr;

std::string Usage() {
  // TRANSLATORS: after a refusal of the command line; "duelmark" and the options stay as typed.
  return Tr("Usage: duelmark [--help | --version | --odds [options] | Qt's options]");
}

// An option in the help: the option from the third column, what it does from the help's
// second column, each of its lines, beside the option where it leaves room, else below it.
std::string HelpOption(const std::string& option, const std::string& does) {
  std::string lines = "  " + option;
  const std::size_t taken = rt::Columns(lines);
  lines += taken < kHelpColumn ? std::string(kHelpColumn - taken, ' ') : "\n" + std::string(kHelpColumn, ' ');
  for (const char c : does) lines += c == '\n' ? "\n" + std::string(kHelpColumn, ' ') : std::string(1, c);
  return lines + "\n";
}

std::string Help() {
  // TRANSLATORS: the start of --help; "duelmark" stays as typed. Each line of the help ends
  // before its 80th column.
  std::string help = Tr("Usage: duelmark [options]\n"
                        "Stages an automatic, turn-based fight between one Hero and one to five Enemies\n"
                        "and lets you watch it.") +
                     "\n\n";
  // TRANSLATORS: what an option does, in --help. The program sets it from the help's 31st
  // column, each of its lines (a line break starts one), beside the option or below it: keep
  // the lines about as long as the English ones, up to 56 characters.
  help += HelpOption("-h, --help", Tr("print this help and end"));
  // TRANSLATORS: what an option does, in --help (from column 31, as above).
  help += HelpOption("-v, --version", Tr("print the version and end")) + "\n";
  help += Tr("The odds of a setting, without a window:") + "\n";
  // TRANSLATORS: what an option does, in --help (from column 31, as above).
  help += HelpOption("--odds", Tr("print how often the Hero wins and how long the battles\n"
                                  "last: exactly, from every state the battle can reach,\n"
                                  "or else from many battles fought unseen"));
  // TRANSLATORS: an option and its value in --help; the option stays as typed, the value's
  // name (N, S, P, FILE) is the one its description uses.
  help += HelpOption(Tr("--max-states N"),
                     // TRANSLATORS: what an option does, in --help (from column 31, as above).
                     Format(Tr("work the odds out exactly up to N states (default {states})"),
                            {{"states", std::to_string(Odds::Way{}.maxStates)}}));
  help += HelpOption(
      // TRANSLATORS: an option and its value in --help (as above).
      Tr("--battles N"),
      // TRANSLATORS: what an option does, in --help (from column 31, as above).
      Format(Tr("sample N battles instead (default {battles})"), {{"battles", std::to_string(Odds::Way{}.battles)}}));
  // TRANSLATORS: an option and its value in --help (as above).
  help += HelpOption(Tr("--seed S"),
                     // TRANSLATORS: what an option does, in --help (from column 31, as above).
                     Tr("sample the same battles again for the same S (default:\n"
                        "from the clock; the output names it)"));
  // TRANSLATORS: an option and its value in --help (as above).
  help += HelpOption(Tr("--jobs N"),
                     // TRANSLATORS: what an option does, in --help (from column 31, as above);
                     // {jobs} is the number of this computer's processors.
                     Format(Tr("how many battles at once, each on a processor of its own\n"
                               "(default: one on each, here {jobs}); the figures are the same\n"
                               "whatever N is"),
                            {{"jobs", std::to_string(DefaultJobs())}}));
  // TRANSLATORS: what an option does, in --help (from column 31, as above).
  help += HelpOption("--json", Tr("prints one JSON object instead of text"));
  // TRANSLATORS: an option and its value in --help (as above): STATISTIC, FROM, TO and STEP
  // are the names its description uses; "=", ".." and ":" are typed as they stand.
  help += HelpOption(Tr("--vary STATISTIC=FROM..TO[:STEP]"),
                     // TRANSLATORS: what an option does, in --help (from column 31, as above).
                     Tr("a curve: the odds for each value of one statistic, named\n"
                        "as its option below, from FROM to TO by STEP (default 1)"));
  // TRANSLATORS: an option and its value in --help (as above).
  help += HelpOption(Tr("--target P"),
                     // TRANSLATORS: what an option does, in --help (from column 31, as above).
                     Tr("with --vary, where the Hero's chance crosses P percent"));
  // TRANSLATORS: what an option does, in --help (from column 31, as above).
  help += HelpOption("--csv", Tr("with --vary, prints CSV with a header row"));
  // TRANSLATORS: an option and its value in --help (as above).
  help += HelpOption(Tr("--plot FILE"),
                     // TRANSLATORS: what an option does, in --help (from column 31, as above).
                     Tr("with --vary, writes the curve as an SVG picture to FILE"));
  // TRANSLATORS: the option of a number in --help, as "--enemies N" or "--hero-health N"; {option}
  // is the option's name, as typed.
  const std::string numberOption = Tr("--{option} N");
  help += HelpOption(Format(numberOption, {{"option", kEnemyCount.optionName}}),
                     // TRANSLATORS: what an option does, in --help (from column 31, as above).
                     Format(Tr("the number of Enemies, {lowest} to {highest} (default {default})"),
                            {{"lowest", rt::ToText(kEnemyCount.lowest)},
                             {"highest", rt::ToText(kEnemyCount.highest)},
                             {"default", rt::ToText(kEnemyCount.defaultValue)}}));
  for (const Statistic& statistic : kStatistics) {
    help += HelpOption(Format(numberOption, {{"option", OptionName(statistic)}}),
                       // TRANSLATORS: what a statistic's option sets, in --help (from column 31,
                       // as above): "Hero Health (default 100)".
                       Format(Tr("{statistic} (default {default})"),
                              {{"statistic", SpokenName(statistic)}, {"default", rt::ToText(statistic.defaultValue)}}));
  }
  // TRANSLATORS: a paragraph of --help, after the statistics' options; its lines end before the
  // 80th column.
  help += Format(Tr("The statistics are numbers from {lowest} to {highest}, read as the settings window reads\n"
                    "them; a fraction is rounded to the nearest whole number."),
                 {{"lowest", rt::ToText(kLowestStatistic)}, {"highest", rt::ToText(kHighestStatistic)}}) +
          "\n\n";
  // TRANSLATORS: the end of --help; the options and their values stay as typed.
  return help + Tr("Qt's own options, such as -platform xcb or -style fusion, go to Qt.") + "\n";
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

// The text, in UTF-8, as the terminal's encoding writes it.
void Print(std::FILE* stream, const std::string& text) {
  std::fputs(QString::fromStdString(text).toLocal8Bit().constData(), stream);
}

// Qt's parser words its refusals in English, as the program installs no translation of Qt's:
// each that it makes of an option is worded again here in the user's language, and any other
// passes as Qt words it.
std::string ParserMistake(const QCommandLineParser& parser, const QStringList& arguments) {
  const QString said = parser.errorText();
  const QStringList unknown = parser.unknownOptionNames();
  const QString names = unknown.join(QStringLiteral(", "));
  const QString unknownSaid =
      unknown.size() == 1 ? QStringLiteral("Unknown option '%1'.") : QStringLiteral("Unknown options: %1.");
  if (!unknown.isEmpty() && said == unknownSaid.arg(names)) {
    // TRANSLATORS: a refusal of options that the program does not know; {options} lists them as
    // typed, without their dashes: "bogus", or "bogus, other".
    return Format(rt::TrN("Unknown option '{options}'.", "Unknown options: {options}.", unknown.size()),
                  {{"options", names.toStdString()}});
  }
  for (const QString& argument : arguments) {
    if (said == QStringLiteral("Missing value after '%1'.").arg(argument)) {
      // TRANSLATORS: a refusal of an option given last, without its value; {option} is the
      // option as typed, as "--battles".
      return Format(Tr("Missing value after '{option}'."), {{"option", argument.toStdString()}});
    }
    const QString option = argument.section(u'=', 0, 0);
    if (said == QStringLiteral("Unexpected value after '%1'.").arg(option)) {
      // TRANSLATORS: a refusal of a value given to an option that takes none, as in --help=3;
      // {option} is the option as typed, as "--help".
      return Format(Tr("Unexpected value after '{option}'."), {{"option", option.toStdString()}});
    }
  }
  return said.toStdString();
}

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
  return Format(
      // TRANSLATORS: a refusal of an option's value; {option} is the option, as "--battles".
      Tr("{option} must be a whole number from {lowest} to {highest}."),
      {{"option", "--" + name.toStdString()}, {"lowest", std::to_string(least)}, {"highest", std::to_string(most)}});
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
    // TRANSLATORS: here a refusal of an option's value: {name} is the option, as "--enemies".
    return Format(Tr("{name} must be a number from {lowest} to {highest}."),
                  {{"name", "--" + enemies},
                   {"lowest", rt::ToText(kEnemyCount.lowest)},
                   {"highest", rt::ToText(kEnemyCount.highest)}});
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
      // TRANSLATORS: a refusal of an option without the one it belongs to; {option} is the
      // option, as "--target".
      return Format(Tr("{option} is an option of --vary."), {{"option", "--" + std::string(name)}});
  }
  if (request.json && request.csv) return Tr("--json and --csv ask for two forms; choose one.");
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
    const std::string mistake = understood
                                    // TRANSLATORS: a refusal of a word on the command line that is no option nor an
                                    // option's value; {argument} is the word as typed.
                                    ? Format(Tr("Unexpected argument '{argument}'."),
                                             {{"argument", parser.positionalArguments().first().toStdString()}})
                                    : ParserMistake(parser, arguments);
    Print(stderr, mistake + " " + Usage() + "\n");
    return Exit(2);
  }
  if (parser.isSet(help)) {
    Print(stdout, Help());
    return Exit(0);
  }
  if (parser.isSet(version)) {
    Print(stdout, "Duelmark " DUELMARK_VERSION "\n");
    return Exit(0);
  }
  if (!parser.isSet(odds)) {
    oddsValues.push_back("json");
    oddsValues.push_back("csv");
    for (const std::string& name : oddsValues) {
      if (!parser.isSet(QString::fromStdString(name))) continue;
      // TRANSLATORS: a refusal of an option without the one it belongs to; {option} is the
      // option, as "--seed".
      Print(stderr, Format(Tr("{option} is an option of --odds."), {{"option", "--" + name}}) + " " + Usage() + "\n");
      return Exit(2);
    }
  }
  if (parser.isSet(odds)) {
    auto request = ReadOddsRequest(parser);
    if (const auto* mistake = std::get_if<std::string>(&request)) {
      Print(stderr, *mistake + "\n");
      return Exit(2);
    }
    return {.exitStatus = std::nullopt, .namesDisplay = false, .odds = std::get<OddsRequest>(request)};
  }
  return {.exitStatus = std::nullopt,
          .namesDisplay = parser.isSet(QStringLiteral("platform")) || parser.isSet(QStringLiteral("display")),
          .odds = std::nullopt};
}

}  // namespace duelmark
