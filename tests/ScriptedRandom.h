#pragma once
// A generator for tests that hands out the draws a test gives it.
#include <gtest/gtest.h>

#include <deque>

#include "Random.h"

namespace duelmark::testing {

// Hands out the given draws in order; re-seeding does not disturb the script.
class ScriptedRandom final : public rt::RandomSource {
 public:
  void Reseed() override { ++reseeds; }
  float Next() override {
    if (draws.empty()) ADD_FAILURE() << "the script of random draws ran out";
    const float r = draws.empty() ? 0.0f : draws.front();
    if (!draws.empty()) draws.pop_front();
    return r;
  }
  std::deque<float> draws;
  int reseeds = 0;
};

}  // namespace duelmark::testing
