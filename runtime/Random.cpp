#include "Random.h"

#include <chrono>

namespace rt {

ClockSeededRandom::ClockSeededRandom(std::function<std::uint64_t()> clockTicks) : clockTicks_(std::move(clockTicks)) {}

std::uint64_t SystemClockTicks() {
  return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()) ^
         static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

}  // namespace rt
