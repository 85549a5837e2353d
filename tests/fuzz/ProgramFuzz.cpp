// The whole program driven by a user whose events the fuzzer's bytes spell, in virtual time:
// typing anything into any control, clicking any control, closing a window, Escape, the Help
// button, closing a message box some time after it opened, and the clock moving on. After
// every event the battle must stand within its rules, an event that the user could not have
// reached must change nothing, and once the user stops the program must come to rest.
//
// The first three bytes pick the user's locale and the seed of the dice; each event then takes
// a byte for its kind and a few for its operands (see Act).
//
// Events that the user could not reach go to the runtime too, which must refuse them.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "BattleState.h"
#include "FrmBattle.h"
#include "FrmBattleSettings.h"
#include "Random.h"
#include "Runtime.h"
#include "RuntimeError.h"
#include "UserInput.h"
#include "VirtualTime.h"

namespace duelmark::fuzz {
namespace {

// Once the user stops, a running battle must end within this much time. Each Enemy's move is
// its suicide with a chance of 1/4, so a battle outlasts R rounds with a chance below
// 5 * (3/4)^R; a round is at most six moves of 7 s each (3 s of animation, 4 s of pause), so
// four hours are more than 340 rounds, a chance below 1e-41.
constexpr rt::Micros kLongestBattle = rt::Milliseconds(4LL * 60 * 60 * 1000);

[[noreturn]] void Fail(const std::string& what) {
  std::fprintf(stderr, "%s\n", what.c_str());
  std::fflush(stderr);
  std::abort();
}

class Bytes {
 public:
  Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool Empty() const { return at_ == size_; }
  std::uint8_t Next() { return at_ < size_ ? data_[at_++] : 0; }
  int Next16() {
    const int low = Next();
    return low | Next() << 8;
  }
  std::string Text(std::size_t length) {
    length = std::min(length, size_ - at_);
    std::string text(reinterpret_cast<const char*>(data_ + at_), length);
    at_ += length;
    return text;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

// The message box as the user sees it: open over a window until the user closes it, or gone
// with that window.
class MessageBox final : public rt::RuntimeObserver {
 public:
  bool MessageShown(rt::Window& over, const std::string&) override {
    over_ = &over;
    return true;
  }
  void WindowUnloaded(rt::Window& window) override {
    if (&window == over_) over_ = nullptr;
  }
  bool Open() const { return over_; }
  // The user has read it and closes it; the program goes on with what was to follow it.
  void Close(rt::Runtime& runtime) {
    over_ = nullptr;
    runtime.MessageClosed();
  }

 private:
  rt::Window* over_ = nullptr;
};

// The fighters' statistics that a battle never changes, as the launch set them.
using Fixed = std::array<Int16, 5>;
Fixed FixedOf(const HeroRecord& hero) { return {hero.MaxHealth, hero.Attack, hero.Defence, hero.Magic, hero.MagicDef}; }
Fixed FixedOf(const EnemyRecord& enemy) {
  return {enemy.MaxHealth, enemy.Attack, enemy.Suicide, enemy.Defence, enemy.MagicDef};
}
std::array<Fixed, kMaxEnemies + 1> FixedOfAll(const BattleState& state) {
  std::array<Fixed, kMaxEnemies + 1> all{FixedOf(state.Hero)};
  for (int i = 1; i <= kMaxEnemies; ++i) all[static_cast<std::size_t>(i)] = FixedOf(state.Enemies(i));
  return all;
}

class Session {
 public:
  Session(rt::NumberFormat format, std::uint64_t seed) {
    auto clock = std::make_unique<rt::VirtualClock>();
    clock_ = clock.get();
    runtime_ = std::make_unique<rt::Runtime>(std::move(clock), std::make_unique<rt::ClockSeededRandom>([this, seed] {
                                               return seed ^ static_cast<std::uint64_t>(clock_->Now());
                                             }));
    runtime_->SetNumberFormat(format);
    runtime_->SetObserver(&messageBox_);
    rt::program = runtime_.get();
    frmBattleSettings().Show();
  }
  ~Session() { rt::program = nullptr; }
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  bool Ended() const { return runtime_->Ended(); }

  // One event spelled by the bytes.
  void Act(Bytes& bytes) {
    switch (bytes.Next() % 8) {
      case 0: {  // typing: any bytes into any control
        rt::Control* control = AnyControl(bytes);
        std::string text = bytes.Text(bytes.Next() % 32);
        if (control) Edit(*control, std::move(text));
        break;
      }
      case 1: {  // typing a 16-bit number, perhaps with a half in the locale's way, perhaps with blanks around
        rt::Control* control = AnyControl(bytes);
        const int style = bytes.Next();
        std::string text = std::to_string(static_cast<Int16>(bytes.Next16()));
        if (style & 1) text += std::string{runtime_->GetNumberFormat().decimal} + "5";
        if (style & 2) text = " " + text + "\t";
        if (control) Edit(*control, std::move(text));
        break;
      }
      case 2:
        if (rt::Control* control = AnyControl(bytes)) Click(*control);
        break;
      case 3:
        if (rt::Window* window = AnyWindow(bytes)) {
          UserEvent(Reachable(*window), window->Name() + " closed", [this, window] { runtime_->UserClose(*window); });
        }
        break;
      case 4:
        if (rt::Window* window = AnyWindow(bytes)) {
          UserEvent(Reachable(*window), "Escape on " + window->Name(),
                    [this, window] { runtime_->UserPressedEscape(*window); });
        }
        break;
      case 5:
        if (runtime_->FindLoaded(FrmBattleSettings::kName)) Click(frmBattleSettings().cmdHelp);
        break;
      case 6: {  // the clock moves on by a count of milliseconds, ticks, seconds or minutes
        constexpr std::array<rt::Micros, 4> kUnits = {rt::Milliseconds(1), rt::Milliseconds(50), rt::Milliseconds(1000),
                                                      rt::Milliseconds(60'000)};
        const rt::Micros count = bytes.Next();
        Advance(count * kUnits[bytes.Next() % kUnits.size()]);
        break;
      }
      case 7:  // the user has read the message box and closes it
        if (messageBox_.Open()) {
          messageBox_.Close(*runtime_);
          Check("the message box closed");
        }
        break;
    }
  }

  // After the user's last event: the time a battle could take goes by, and then nothing may be
  // due any more, and the program must have ended or wait for the user.
  void ComeToRest() {
    Advance(kLongestBattle);
    if (runtime_->Ended()) return;
    if (runtime_->NextTimerDue())
      Fail("a timer still ticks " + std::to_string(kLongestBattle / rt::Milliseconds(3'600'000)) +
           " h after the user's last event");
    for (const auto& window : runtime_->Windows()) {
      if (!window->Visible()) continue;
      // The settings and the end window wait for the user, the battle window only before its start.
      if (window->Name() != FrmBattle::kName || static_cast<FrmBattle&>(*window).cmdStart.Enabled()) return;
    }
    Fail("the battle stands still: no timer ticks and nothing waits for the user");
  }

 private:
  rt::Window* AnyWindow(Bytes& bytes) {
    const std::uint8_t pick = bytes.Next();
    const auto& windows = runtime_->Windows();
    return windows.empty() ? nullptr : windows[pick % windows.size()].get();
  }

  rt::Control* AnyControl(Bytes& bytes) {
    rt::Window* window = AnyWindow(bytes);
    const std::uint8_t pick = bytes.Next();
    if (!window) return nullptr;
    return window->Controls()[pick % window->Controls().size()].get();
  }

  // Whether the user could act on the window: it is on the screen, and no message box stands
  // over the program, which the box holds modal on the desktop and in the browser alike.
  bool Reachable(const rt::Window& window) const { return window.Visible() && !messageBox_.Open(); }

  // ... and on the control: it and every frame that holds it visible and enabled, and no frame
  // in front of it.
  bool Reachable(const rt::Control& control) const {
    if (!Reachable(control.Owner()) || control.Owner().Covered(control)) return false;
    for (const rt::Control* at = &control; at; at = at->Container()) {
      if (!at->Visible() || !at->Enabled()) return false;
    }
    return true;
  }

  static std::string Name(const rt::Control& control) { return control.Owner().Name() + "." + control.TraceName(); }

  void Edit(rt::Control& control, std::string text) {
    const bool typable = control.Kind() == rt::ControlKind::TextBox || control.Kind() == rt::ControlKind::ListBox;
    const std::string what = Quoted(text) + " typed into " + Name(control);
    UserEvent(typable && Reachable(control), what,
              [this, &control, &text] { runtime_->UserEdit(control, std::move(text)); });
  }

  void Click(rt::Control& control) {
    UserEvent(Reachable(control), "a click on " + Name(control), [this, &control] { runtime_->Click(control); });
  }

  // An event that the user could not reach writes nothing to the trace, which holds every
  // event delivered and every property written. The trace is on for the user's events alone:
  // the ticks, which it would slow down, are checked by the battle's rules.
  void UserEvent(bool reachable, const std::string& what, const std::function<void()>& deliver) {
    std::optional<std::string> written;
    runtime_->SetTraceSink([&written](std::string_view line) {
      if (!written) written = line;
    });
    deliver();
    runtime_->SetTraceSink({});
    if (!reachable && written) Fail(what + ", which the user could not reach, changed the program: " + *written);
    Check(what);
  }

  // The clock moves on tick by tick, each checked.
  void Advance(rt::Micros duration) {
    const rt::Micros target = clock_->Now() + duration;
    while (const auto due = runtime_->NextTimerDue()) {
      if (*due > target || runtime_->Ended()) break;
      rt::AdvanceTo(*runtime_, *clock_, *due);
      Check("the tick at " + std::to_string(*due) + " us");
    }
    rt::AdvanceTo(*runtime_, *clock_, target);
  }

  void Require(bool holds, const char* rule, const std::string& after) const {
    if (!holds) Fail(std::string(rule) + ", after " + after);
  }

  // The battle state within its rules, and the battle window's timers one at a time.
  void Check(const std::string& after) {
    FrmBattle* battle = LoadedBattleWindow();
    if (!battle) return;
    const BattleState& state = battle->Fight().State;
    const HeroRecord& hero = state.Hero;
    Require(state.Turn >= 0 && state.Turn <= state.LastTurn, "Turn is outside 0..LastTurn", after);
    int alive = 0;
    for (int i = 1; i <= kMaxEnemies; ++i) {
      const EnemyRecord& enemy = state.Enemies(i);
      alive += enemy.Alive != rt::kFalse;
      if (i > state.NumEnemies) {
        Require(enemy.Alive == rt::kFalse, "an Enemy beyond the battle's number is alive", after);
      } else if (enemy.Alive == rt::kFalse) {
        Require(enemy.Health == 0, "a defeated Enemy keeps hit points", after);
      } else {
        // A hit below the Enemy's defence heals it; its suicide leaves it at 0, above a negative
        // maximum, until the checks after the move retire it.
        Require(enemy.Health <= enemy.MaxHealth || enemy.Health == 0 || hero.Attack < enemy.Defence ||
                    hero.Magic < enemy.MagicDef,
                "an Enemy has more than its maximum health, which no hit could heal", after);
      }
    }
    Require(state.EnemiesAlive == alive, "EnemiesAlive is not the number of Enemies alive", after);
    // An Enemy's hit below the Hero's defence heals it; a cure stops at the maximum.
    const EnemyRecord& enemy = state.Enemies(1);
    Require(hero.Health <= hero.MaxHealth || std::min(enemy.Attack, enemy.Suicide) < hero.Defence,
            "the Hero has more than its maximum health, which no hit could heal", after);
    Require(state.HeroMoves >= 0 && state.EnemyMoves >= 0, "a move counter is negative", after);

    if (!launched_) launched_ = FixedOfAll(state);
    Require(FixedOfAll(state) == *launched_, "a statistic changed during the battle", after);
    // Each timer counts its ticks in TimerSeconds and stops at its last: an animation after 60
    // ticks, the pause after 4, the closing countdown after 6, when the window closes.
    const std::array<std::pair<const rt::Control*, int>, 5> timers = {{{&battle->tmrHeroAttack, 60},
                                                                       {&battle->tmrCure, 60},
                                                                       {&battle->tmrEnemyAttack, 60},
                                                                       {&battle->tmrPause, 4},
                                                                       {&battle->tmrEnd, 6}}};
    int running = 0;
    for (const auto& [timer, ticks] : timers) {
      if (!timer->Enabled()) continue;
      ++running;
      Require(battle->TimerSeconds >= 0 && battle->TimerSeconds < ticks, "TimerSeconds is past its timer's last tick",
              after);
    }
    Require(running <= 1, "more than one of the battle window's timers runs", after);
  }

  MessageBox messageBox_;
  std::optional<std::array<Fixed, kMaxEnemies + 1>> launched_;
  rt::VirtualClock* clock_;
  std::unique_ptr<rt::Runtime> runtime_;  // goes first, while what it tells still exists
};

}  // namespace
}  // namespace duelmark::fuzz

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  rt::SetRuntimeErrorHandler([](rt::RuntimeErrorCode code) {
    duelmark::fuzz::Fail(rt::RuntimeErrorTitle(code) + " " + rt::RuntimeErrorName(code));
  });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace duelmark::fuzz;
  Bytes bytes(data, size);
  const rt::NumberFormat format = kLocales[bytes.Next() % std::size(kLocales)];
  Session session(format, static_cast<std::uint64_t>(bytes.Next16()));
  while (!bytes.Empty() && !session.Ended()) session.Act(bytes);
  session.ComeToRest();
  return 0;
}
