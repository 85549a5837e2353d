#pragma once
// Runs the runtime's timers in virtual time: every tick due up to the target fires in order.
#include "Clock.h"
#include "Runtime.h"

namespace rt {

inline void AdvanceTo(Runtime& runtime, VirtualClock& clock, Micros target) {
  while (!runtime.Ended()) {
    const auto due = runtime.NextTimerDue();
    if (!due || *due > target) break;
    clock.Set(std::max(clock.Now(), *due));
    runtime.FireDueTimers();
  }
  if (target > clock.Now()) clock.Set(target);
}

inline void AdvanceBy(Runtime& runtime, VirtualClock& clock, Micros duration) {
  AdvanceTo(runtime, clock, clock.Now() + duration);
}

}  // namespace rt
