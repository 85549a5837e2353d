#pragma once
// A fresh runtime for every test: virtual time, scripted or fixed-clock randomness, run-time
// errors raised as exceptions and a captured trace.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "FrmBattle.h"
#include "MessageReader.h"
#include "Runtime.h"
#include "RuntimeError.h"
#include "ScriptedRandom.h"
#include "VirtualTime.h"

namespace duelmark::testing {

struct RuntimeErrorRaised {
  rt::RuntimeErrorCode code;
};

class Harness : public ::testing::Test {
 protected:
  Harness() {
    Install(std::make_unique<ScriptedRandom>());
    rt::SetRuntimeErrorHandler([](rt::RuntimeErrorCode code) { throw RuntimeErrorRaised{code}; });
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

  // The default statistics against the given number of Enemies.
  static Settings DefaultsAgainst(int enemies) {
    Settings settings = DefaultSettings();
    settings.NumEnemies = static_cast<Int16>(enemies);
    return settings;
  }
  // The battle window loaded for such a battle, as the launch leaves it, and that battle.
  static FrmBattle& OpenBattle(int enemies) { return frmBattle(DefaultsAgainst(enemies)); }
  static Battle& Fight() { return frmBattle().Fight(); }
  // A fresh battle window in place of any loaded one.
  static FrmBattle& ReopenBattle(int enemies) {
    if (FrmBattle* open = LoadedBattleWindow()) open->Unload();
    return OpenBattle(enemies);
  }
  static BattleState& State() { return Fight().State; }

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
