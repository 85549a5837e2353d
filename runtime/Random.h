#pragma once
// The program's one pseudo-random generator: re-seeded from the clock before every draw.
#include <cstdint>
#include <functional>

namespace rt {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual void Reseed() = 0;
  // A uniform value r with 0 <= r < 1, in single precision.
  virtual float Next() = 0;
};

class ClockSeededRandom final : public RandomSource {
 public:
  // clockTicks supplies the seed material; a fixed function makes the sequence repeatable.
  explicit ClockSeededRandom(std::function<std::uint64_t()> clockTicks);
  void Reseed() override;
  float Next() override;

 private:
  std::function<std::uint64_t()> clockTicks_;
  std::uint64_t state_ = 0x9E3779B97F4A7C15ull;
};

// The seed material of the running program: the system clock's finest ticks.
std::uint64_t SystemClockTicks();

}  // namespace rt
