#pragma once
// The browser's monotonic clock (performance.now), from the moment the program started. The
// host may hold it at a tick's due moment while it delivers ticks that are late.
#include <emscripten.h>

#include <optional>

#include "Clock.h"

namespace rt::web {

class BrowserClock final : public Clock {
 public:
  Micros Now() const override { return held_ ? *held_ : Browser(); }
  Micros Browser() const { return static_cast<Micros>((emscripten_get_now() - start_) * 1000.0); }
  void Hold(Micros at) { held_ = at; }
  void Release() { held_.reset(); }

 private:
  double start_ = emscripten_get_now();
  std::optional<Micros> held_;
};

}  // namespace rt::web
