#pragma once
// The trace of events and property writes, switched on by the logging category
// duelmark.trace (QT_LOGGING_RULES="duelmark.trace=true"); off by default.
#include "Runtime.h"

namespace rt::qt {

void InstallTrace(Runtime& runtime);

}  // namespace rt::qt
