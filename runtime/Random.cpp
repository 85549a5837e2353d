#include "Random.h"

#include <chrono>

namespace rt {
namespace {

std::uint64_t SplitMix64(std::uint64_t& state) {
  std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

}  // namespace

ClockSeededRandom::ClockSeededRandom(std::function<std::uint64_t()> clockTicks) : clockTicks_(std::move(clockTicks)) {}

void ClockSeededRandom::Reseed() {
  // The clock is mixed into the state instead of replacing it: two re-seeds within one clock
  // tick must not make two draws repeat.
  std::uint64_t material = clockTicks_();
  state_ ^= SplitMix64(material);
  SplitMix64(state_);
}

float ClockSeededRandom::Next() {
  // 24 bits fill a float's mantissa exactly, so the result is strictly below 1.
  const std::uint64_t bits = SplitMix64(state_) >> 40;
  return static_cast<float>(bits) * 0x1.0p-24f;
}

std::uint64_t SystemClockTicks() {
  return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()) ^
         static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

}  // namespace rt
