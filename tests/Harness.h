#pragma once
// A fresh runtime for every test: virtual time, scripted or fixed-clock randomness, run-time
// errors raised as exceptions, an empty battle state and a captured trace.
#include <gtest/gtest.h>

#include <deque>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "Battle.h"
#include "BattleState.h"
#include "MessageReader.h"
#include "Runtime.h"
#include "RuntimeError.h"
#include "VirtualTime.h"

namespace duelmark::testing {

struct RuntimeErrorRaised {
  rt::RuntimeErrorCode code;
};

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

class Harness : public ::testing::Test {
 protected:
  Harness() {
    Install(std::make_unique<ScriptedRandom>());
    rt::SetRuntimeErrorHandler([](rt::RuntimeErrorCode code) { throw RuntimeErrorRaised{code}; });
    ResetBattleState();
  }

  // A fresh runtime on virtual time with the given generator, whose messages are read into
  // messages_; random_ is set only when the generator is scripted.
  void Install(std::unique_ptr<rt::RandomSource> random) {
    auto clock = std::make_unique<rt::VirtualClock>();
    clock_ = clock.get();
    random_ = dynamic_cast<ScriptedRandom*>(random.get());
    runtime_ = std::make_unique<rt::Runtime>(std::move(clock), std::move(random));
    reader_ =
        std::make_unique<MessageReader>(*runtime_, [this](const std::string& text) { messages_.push_back(text); });
    rt::program = runtime_.get();
    runtime_->SetTraceSink([this](std::string_view line) { trace_.emplace_back(line); });
    trace_.clear();
  }

  // The default statistics against the given number of Enemies, as the launch leaves them.
  static void FillDefaults(int enemies) {
    Battle::Settings settings = Battle::kDefaultSettings;
    settings.NumEnemies = static_cast<Int16>(enemies);
    Battle::SetUp(settings);
  }

  void Draws(std::initializer_list<float> draws) { random_->draws.insert(random_->draws.end(), draws); }

  ~Harness() override { rt::program = nullptr; }

  rt::Runtime& Runtime() { return *runtime_; }
  void Advance(rt::Micros duration) { rt::AdvanceBy(Runtime(), *clock_, duration); }
  void AdvanceMs(std::int64_t ms) { Advance(rt::Milliseconds(ms)); }

  // The trace lines written since the last call, without their time stamps.
  std::vector<std::string> TakeTrace() {
    std::vector<std::string> lines;
    for (const auto& line : trace_) lines.push_back(line.substr(line.find(' ') + 1));
    trace_.clear();
    return lines;
  }

  std::unique_ptr<rt::Runtime> runtime_;
  std::vector<std::string> messages_;
  std::unique_ptr<MessageReader> reader_;
  rt::VirtualClock* clock_;
  ScriptedRandom* random_;
  std::vector<std::string> trace_;
};

}  // namespace duelmark::testing
