// Duelmark: an automatic, turn-based fight between one Hero and one to five Enemies.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "AppIcon.h"
#include "ErrorBox.h"
#include "Launch.h"
#include "QtHost.h"
#include "QtTrace.h"
#include "Runtime.h"

namespace {

bool HasDisplay() {
  for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(variable);
    if (value && *value) return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  rt::Runtime runtime(std::make_unique<rt::SteadyClock>(),  // the trace's clock starts here
                      std::make_unique<rt::ClockSeededRandom>(rt::SystemClockTicks));
  rt::program = &runtime;
  if (!HasDisplay()) {
    std::fputs("Duelmark needs a graphical display, and none is set (DISPLAY is empty).\n", stderr);
    return 1;
  }
  QApplication application(argc, argv);
  QGuiApplication::setDesktopFileName(QStringLiteral(DUELMARK_APP_ID));
  rt::qt::InstallApplicationIcon();
  rt::qt::InstallTrace(runtime);
  const QString programName = QStringLiteral("Duelmark");
  rt::qt::InstallErrorBox(programName);
  rt::qt::QtHost host(runtime, programName);
  duelmark::OpenFirstWindow();
  return application.exec();
}
