#pragma once
// The trace of events and property writes, switched on by a logging category of the program's
// (QT_LOGGING_RULES="CATEGORY=true"); off by default.
#include "Runtime.h"

namespace rt::qt {

void InstallTrace(Runtime& runtime, const char* category);

}  // namespace rt::qt
