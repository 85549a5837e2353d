// Duelmark: an automatic, turn-based fight between one Hero and one to five Enemies.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "AppFont.h"
#include "AppIcon.h"
#include "CommandLine.h"
#include "ErrorBox.h"
#include "Launch.h"
#include "QtHost.h"
#include "QtTrace.h"
#include "Runtime.h"
#include "Texts.h"
#include "UserLanguage.h"

namespace {

// On X11 and Wayland desktops the display comes from the environment, and Qt without one
// aborts with a message about platform plugins; Windows and macOS always have a display.
bool HasDisplay() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
  for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(variable);
    if (value && *value) return true;
  }
  return false;
#else
  return true;
#endif
}

}  // namespace

int main(int argc, char** argv) {
  rt::UseCatalogue(duelmark::UserCatalogue());
  const duelmark::CommandLine commandLine = duelmark::ReadCommandLine(argc, argv);
  if (commandLine.exitStatus) return *commandLine.exitStatus;
  if (commandLine.odds) return duelmark::PrintOdds(*commandLine.odds);
  rt::Runtime runtime(std::make_unique<rt::SteadyClock>(),  // the trace's clock starts here
                      std::make_unique<rt::ClockSeededRandom>(rt::SystemClockTicks));
  rt::program = &runtime;
  if (!commandLine.namesDisplay && !HasDisplay()) {
    // TRANSLATORS: DISPLAY stays as written: the environment variable that names the display.
    std::fputs((rt::Tr("Duelmark needs a graphical display, and none is set (DISPLAY is empty).") + "\n").c_str(),
               stderr);
    return 1;
  }
  QApplication application(argc, argv);
  QGuiApplication::setDesktopFileName(QStringLiteral(DUELMARK_APP_ID));
  rt::qt::InstallApplicationFont();
  rt::qt::InstallApplicationIcon();
  rt::qt::InstallTrace(runtime, "duelmark.trace");
  const QString programName = QStringLiteral("Duelmark");
  rt::qt::InstallErrorBox(programName);
  rt::qt::QtHost host(runtime, programName);
  duelmark::OpenFirstWindow();
  return application.exec();
}
