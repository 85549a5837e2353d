#pragma once
// The window runtime: owns the windows, delivers their events one at a time, drives their
// timers from its clock, holds the random generator and writes the trace.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Clock.h"
#include "Control.h"
#include "NumberText.h"
#include "Random.h"
#include "RuntimeObserver.h"
#include "Window.h"

namespace rt {

using TraceSink = std::function<void(std::string_view line)>;
using MessageSink = std::function<void(const std::string& text)>;

class Runtime {
 public:
  Runtime(std::unique_ptr<Clock> clock, std::unique_ptr<RandomSource> random);
  ~Runtime();
  Runtime(const Runtime&) = delete;
  Runtime& operator=(const Runtime&) = delete;

  Clock& GetClock() const { return *clock_; }
  RandomSource& Random() const { return *random_; }
  void SetObserver(RuntimeObserver* observer) { observer_ = observer; }
  void SetTraceSink(TraceSink sink) { traceSink_ = std::move(sink); }  // an empty sink switches it off
  void SetMessageSink(MessageSink sink) { messageSink_ = std::move(sink); }

  // The separators of the user's locale, for numbers typed by the user.
  NumberFormat GetNumberFormat() const { return numberFormat_; }
  void SetNumberFormat(NumberFormat format) { numberFormat_ = format; }

  // A message box; it returns once the user has read it.
  void ShowMessage(const std::string& text);

  // The single instance of window T, created and loaded (not shown) on first use.
  template <class T>
  T& Instance() {
    if (Window* loaded = FindLoaded(T::kName)) return static_cast<T&>(*loaded);
    return static_cast<T&>(Load(std::make_unique<T>()));
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

  // Timers: the next moment a tick is due, and the delivery of every tick due by now.
  std::optional<Micros> NextTimerDue() const;
  void FireDueTimers();

  // Called by the controls.
  void PropertyWritten(Control& control, Property property);
  void TimerSwitched(Control& timer, bool freshInterval);
  void FocusRequested(Control& control, bool selectAll);
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

  std::unique_ptr<Clock> clock_;
  std::unique_ptr<RandomSource> random_;
  RuntimeObserver* observer_ = nullptr;
  TraceSink traceSink_;
  MessageSink messageSink_;
  NumberFormat numberFormat_;
  std::vector<std::unique_ptr<Window>> windows_;
  std::vector<std::unique_ptr<Window>> unloaded_;  // destroyed once the current event has returned
  int eventDepth_ = 0;
  std::optional<Micros> tickTime_;  // when the tick being delivered was due
  bool everShown_ = false;
  bool ended_ = false;
  std::uint64_t nextDueOrder_ = 0;
};

// The program's runtime, for the procedures that take no window: set by whoever creates it.
inline Runtime* program = nullptr;

template <class T>
T& Instance() {
  return program->Instance<T>();
}

}  // namespace rt
