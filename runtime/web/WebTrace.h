#pragma once
// The trace of events and property writes, sent to the browser's console when the page's
// address asks for it (?trace); off by default.
#include "Runtime.h"

namespace rt::web {

void InstallTrace(Runtime& runtime);

}  // namespace rt::web
