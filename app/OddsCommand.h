#pragma once
// duelmark --odds: the odds of a setting, or a curve of them, printed without a window.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <thread>

#include "Balance.h"
#include "Settings.h"

namespace duelmark {

struct OddsRequest {
  Settings settings = DefaultSettings();
  Odds::Way way;
  bool json = false;
  bool csv = false;
  std::optional<Odds::Varied> vary;
  std::optional<double> target;     // a share
  std::optional<std::string> plot;  // the file the curve's picture is written to
};

// How many battles the odds fight at once unless told: one on each of the machine's processors.
inline unsigned DefaultJobs() { return std::max(1u, std::thread::hardware_concurrency()); }

// Works out the odds and prints them; answers the program's exit status.
int PrintOdds(const OddsRequest& request);

}  // namespace duelmark
