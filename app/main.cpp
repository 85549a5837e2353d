// Duelmark: an automatic, turn-based fight between one Hero and one to five Enemies.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "AppFont.h"
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
  rt::Runtime& runtime = rt::Runtime::Current();  // the trace's clock starts here
  if (!HasDisplay()) {
    std::fputs("Duelmark needs a graphical display, and none is set (DISPLAY is empty).\n", stderr);
    return 1;
  }
  QApplication application(argc, argv);
  QGuiApplication::setDesktopFileName(QStringLiteral(DUELMARK_APP_ID));
  rt::qt::InstallApplicationFont();
  rt::qt::InstallApplicationIcon();
  rt::qt::InstallTrace(runtime);
  rt::qt::InstallErrorBox();
  rt::qt::QtHost host(runtime);
  duelmark::OpenFirstWindow();
  return application.exec();
}
