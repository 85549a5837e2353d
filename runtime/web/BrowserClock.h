#pragma once
// The browser's monotonic clock (performance.now), from the moment the program started.
#include <emscripten.h>

#include "Clock.h"

namespace rt::web {

class BrowserClock final : public Clock {
 public:
  Micros Now() const override { return static_cast<Micros>((emscripten_get_now() - start_) * 1000.0); }

 private:
  double start_ = emscripten_get_now();
};

}  // namespace rt::web
