#pragma once
// Time as the runtime sees it: microseconds since the program started, from a monotonic clock.
#include <chrono>
#include <cstdint>

namespace rt {

using Micros = std::int64_t;

constexpr Micros Milliseconds(std::int64_t ms) { return ms * 1000; }

class Clock {
 public:
  virtual ~Clock() = default;
  virtual Micros Now() const = 0;
};

class SteadyClock final : public Clock {
 public:
  Micros Now() const override {
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start_).count();
  }

 private:
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

// Time that moves only when told to, so that whole battles run headless in microseconds.
class VirtualClock final : public Clock {
 public:
  Micros Now() const override { return now_; }
  void Set(Micros now) { now_ = now; }

 private:
  Micros now_ = 0;
};

}  // namespace rt
