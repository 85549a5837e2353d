#pragma once
// The window runtime: owns the windows, delivers their events one at a time, drives their
// timers from its clock, holds the random generator and writes the trace.
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Clock.h"
#include "Control.h"
#include "NumberText.h"
#include "Random.h"
#include "RuntimeObserver.h"
#include "Window.h"

namespace rt {

using TraceSink = std::function<void(std::string_view line)>;

// What the runtime does with ticks that come late, after the program was held up: by a busy
// machine, a browser throttling a background tab, a suspended computer.
enum class LateTicks {
  // Every tick is delivered, the missed ones at once, each at the moment it was due: the
  // timers keep their schedule through a stall of any length.
  CatchUp,
  // As CatchUp through a stall of up to kLongestCaughtUpStall; after a longer one (a desktop
  // waking from suspend) the timers go on from the moment the program wakes, so that it does
  // not race through minutes of ticks unseen.
  CatchUpShortStalls,
};
inline constexpr Micros kLongestCaughtUpStall = Milliseconds(10'000);

class Runtime {
 public:
  Runtime(std::unique_ptr<Clock> clock, std::unique_ptr<RandomSource> random);
  ~Runtime();
  Runtime(const Runtime&) = delete;
  Runtime& operator=(const Runtime&) = delete;

  // The program's time: the clock's, except while a caught-up tick is delivered, when it is
  // the moment that tick was due.
  Micros Now() const { return heldTime_.value_or(clock_->Now()); }
  RandomSource& Random() const { return *random_; }
  void SetObserver(RuntimeObserver* observer) { observer_ = observer; }
  void SetTraceSink(TraceSink sink) { traceSink_ = std::move(sink); }  // an empty sink switches it off
  void SetLateTicks(LateTicks rule) { lateTicks_ = rule; }

  // The separators of the user's locale, for numbers typed by the user.
  NumberFormat GetNumberFormat() const { return numberFormat_; }
  void SetNumberFormat(NumberFormat format) { numberFormat_ = format; }

  // A message box over the window, which holds every window's input until it is closed. It
  // returns at once; the program goes on with `then` as an event of its own once the user has
  // closed the box, on every backend alike, and not at all if the window or the program has
  // gone by then. A box that no view shows, nobody can read: it closes at once. Boxes asked for
  // while one is open are shown one after the other, each `then` run once, in order.
  void ShowMessage(Window& over, const std::string& text, std::function<void()> then = {});
  void MessageClosed();  // by the view, when the user has closed the box

  // Whether the user can reach the control: it and every frame that holds it shown, enabled,
  // not covered by a frame, its window shown and no message box open. Input for any other
  // control, or for a window not shown, is refused.
  bool UserCanReach(const Control& control) const;

  // The single instance of window T, created from the given arguments and loaded (not shown)
  // on first use.
  template <class T, class... Args>
  T& Instance(Args&&... args) {
    if (Window* loaded = FindLoaded(T::kName)) return static_cast<T&>(*loaded);
    return static_cast<T&>(Load(std::make_unique<T>(std::forward<Args>(args)...)));
  }
  Window* FindLoaded(std::string_view name) const;
  const std::vector<std::unique_ptr<Window>>& Windows() const { return windows_; }

  void Show(Window& window);
  void Unload(Window& window);
  void SetWindowHeight(Window& window, double twips);
  void End();
  bool Ended() const { return ended_; }

  // Input from the user, delivered as events.
  void Click(Control& control);
  void UserEdit(Control& control, std::string text);  // typing in a text box, choosing in a list
  void UserClose(Window& window);
  void UserFocused(Control& control);  // the user moved the keyboard focus to the control, if reachable
  // Escape closes a dialog, as its close box does; answers whether the key was used.
  bool UserPressedEscape(Window& window);
  // Enter presses a focused button, as Space does: these windows have no default button.
  // Answers whether the key was used.
  bool UserPressedEnter(Control& control);

  // Timers: the next moment a tick is due, and the delivery of every tick due by now.
  std::optional<Micros> NextTimerDue() const;
  // How long a backend's timer waits for the next tick, in whole milliseconds rounded up, so
  // that it never wakes before the tick is due.
  std::optional<int> MillisecondsToNextTick() const;
  void FireDueTimers();

  // Called by the controls.
  void PropertyWritten(Control& control, Property property);
  void TimerSwitched(Control& timer, bool freshInterval);
  void FocusRequested(Control& control, FocusWay way);
  void AccessibleNameWritten(Control& control);
  void Announce(Control& announcer, const std::string& text);

 private:
  Window& Load(std::unique_ptr<Window> window);
  void Deliver(Window& window, std::string_view handler, const std::function<void()>& body);
  void AfterEvent();
  void Discard(Window& window);
  bool Tracing() const { return static_cast<bool>(traceSink_); }
  void Trace(std::string_view what);
  Control* EarliestDueTimer(Micros by) const;
  void PlaceFirstFocus(Window& window);
  void UpdateCover(Window& window, const Control* moved);
  void KeepFocusReachable(Window& window);

  std::unique_ptr<Clock> clock_;
  std::unique_ptr<RandomSource> random_;
  RuntimeObserver* observer_ = nullptr;
  TraceSink traceSink_;
  LateTicks lateTicks_ = LateTicks::CatchUpShortStalls;
  struct OpenMessage {
    Window* over;
    std::function<void()> then;
  };
  std::optional<OpenMessage> message_;
  std::optional<OpenMessage> closedMessage_;  // its `then` runs once the current event has returned
  struct WaitingMessage {
    Window* over;
    std::string text;
    std::function<void()> then;
  };
  std::deque<WaitingMessage> waitingMessages_;  // asked for while a box was open, in order
  NumberFormat numberFormat_;
  std::vector<std::unique_ptr<Window>> windows_;
  std::vector<std::unique_ptr<Window>> unloaded_;  // destroyed once the current event has returned
  int eventDepth_ = 0;
  std::optional<Micros> tickTime_;  // when the tick being delivered was due
  std::optional<Micros> heldTime_;  // the program's time while a caught-up tick is delivered
  Micros latestTime_ = 0;           // the latest time an event or the trace has seen
  bool everShown_ = false;
  bool ended_ = false;
  std::uint64_t nextDueOrder_ = 0;
};

// The program's runtime, for the procedures that take no window: set by whoever creates it.
inline Runtime* program = nullptr;

template <class T, class... Args>
T& Instance(Args&&... args) {
  return program->Instance<T>(std::forward<Args>(args)...);
}

}  // namespace rt
