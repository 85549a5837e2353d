#pragma once
// duelmark --odds: the odds of a setting, printed without a window.
#include <cstdint>

#include "OddsText.h"

namespace duelmark {

struct OddsRequest {
  Setting setting;
  std::uint64_t battles = 100'000;
  std::uint64_t seed = 0;
  bool json = false;
};

// Fights the battles and prints the odds; answers the program's exit status.
int PrintOdds(const OddsRequest& request);

}  // namespace duelmark
