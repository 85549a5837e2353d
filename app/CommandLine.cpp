#include "CommandLine.h"

#include <QCommandLineParser>
#include <QStringList>
#include <cstdio>

namespace duelmark {
namespace {

constexpr const char* kHelp =
    "Usage: duelmark [options]\n"
    "Stages an automatic, turn-based fight between one Hero and one to five Enemies\n"
    "and lets you watch it.\n"
    "\n"
    "  -h, --help     print this help and end\n"
    "  -v, --version  print the version and end\n"
    "\n"
    "Qt's own options, such as -platform xcb or -style fusion, go to Qt.\n";
constexpr const char* kUsage = "Usage: duelmark [--help | --version | Qt's options]";

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
  for (const char* name : kQtFlags) AddQtOption(parser, name, QString());
  for (const char* name : kQtOptionsWithValue) AddQtOption(parser, name, QStringLiteral("value"));

  const bool understood = parser.parse(arguments);
  if (!understood || !parser.positionalArguments().isEmpty()) {
    const QString mistake = understood
                                ? QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first())
                                : parser.errorText();
    Print(stderr, mistake + u' ' + QString::fromUtf8(kUsage) + u'\n');
    return {.exitStatus = 2};
  }
  if (parser.isSet(help)) {
    Print(stdout, QString::fromUtf8(kHelp));
    return {.exitStatus = 0};
  }
  if (parser.isSet(version)) {
    Print(stdout, QStringLiteral("Duelmark " DUELMARK_VERSION "\n"));
    return {.exitStatus = 0};
  }
  return {.exitStatus = std::nullopt,
          .namesDisplay = parser.isSet(QStringLiteral("platform")) || parser.isSet(QStringLiteral("display"))};
}

}  // namespace duelmark
