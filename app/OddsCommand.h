#pragma once
// duelmark --odds: the odds of a setting, printed without a window.
#include <algorithm>
#include <cstdint>
#include <thread>

#include "OddsText.h"

namespace duelmark {

struct OddsRequest {
  Settings settings = DefaultSettings();
  std::uint64_t battles = 100'000;
  std::uint64_t seed = 0;
  unsigned jobs = 1;
  bool json = false;
};

// How many battles the odds fight at once unless told: one on each of the machine's processors.
inline unsigned DefaultJobs() { return std::max(1u, std::thread::hardware_concurrency()); }

// Fights the battles and prints the odds; answers the program's exit status.
int PrintOdds(const OddsRequest& request);

}  // namespace duelmark
