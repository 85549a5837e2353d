#pragma once
// Run-time errors reported in the standard error box before the program ends.
#include <QString>

namespace rt::qt {

void InstallErrorBox(const QString& programName);

}  // namespace rt::qt
