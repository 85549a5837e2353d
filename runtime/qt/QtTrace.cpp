#include "QtTrace.h"

#include <QLoggingCategory>
#include <cstdio>

namespace rt::qt {

void InstallTrace(Runtime& runtime, const char* category) {
  if (!QLoggingCategory(category, QtWarningMsg).isDebugEnabled()) return;
  // Written as they are, without Qt's message decoration: one line per event or write.
  runtime.SetTraceSink([](std::string_view line) {
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fputc('\n', stderr);
  });
}

}  // namespace rt::qt
