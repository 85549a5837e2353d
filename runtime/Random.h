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
  // A re-seed and then a value, as every decision takes them: one call where the source can
  // do both at once.
  virtual float ReseedAndNext() {
    Reseed();
    return Next();
  }
};

// The generator's state: what a re-seed mixes the clock's material into and a draw steps on.
// Written here, where every caller can inline it: the odds draw millions of times a second.
class GeneratorState {
 public:
  void Reseed(std::uint64_t clockTicks) {
    // The clock is mixed into the state instead of replacing it: two re-seeds within one clock
    // tick must not make two draws repeat.
    state_ ^= SplitMix64(clockTicks);
    SplitMix64(state_);
  }
  float Next() {
    // 24 bits fill a float's mantissa exactly, so the result is strictly below 1.
    const std::uint64_t bits = SplitMix64(state_) >> 40;
    return static_cast<float>(bits) * 0x1.0p-24f;
  }

 private:
  static std::uint64_t SplitMix64(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }

  std::uint64_t state_ = 0x9E3779B97F4A7C15ull;
};

class ClockSeededRandom final : public RandomSource {
 public:
  // clockTicks supplies the seed material; a fixed function makes the sequence repeatable.
  explicit ClockSeededRandom(std::function<std::uint64_t()> clockTicks);
  void Reseed() override { state_.Reseed(clockTicks_()); }
  float Next() override { return state_.Next(); }
  float ReseedAndNext() override {
    state_.Reseed(clockTicks_());
    return state_.Next();
  }

 private:
  std::function<std::uint64_t()> clockTicks_;
  GeneratorState state_;
};

// The seed material of the running program: the system clock's finest ticks.
std::uint64_t SystemClockTicks();

}  // namespace rt
