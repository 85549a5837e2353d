#include "Runtime.h"

#include <algorithm>
#include <limits>

#include "Covering.h"
#include "TabOrder.h"
#include "TraceFormat.h"

namespace rt {

Runtime::Runtime(std::unique_ptr<Clock> clock, std::unique_ptr<RandomSource> random)
    : clock_(std::move(clock)), random_(std::move(random)) {}

Runtime::~Runtime() = default;

Window* Runtime::FindLoaded(std::string_view name) const {
  for (const auto& window : windows_) {
    if (window->Name() == name) return window.get();
  }
  return nullptr;
}

Window& Runtime::Load(std::unique_ptr<Window> window) {
  Window& loaded = *window;
  loaded.runtime_ = this;
  windows_.push_back(std::move(window));
  Deliver(loaded, "Form_Load", [&loaded] { loaded.Form_Load(); });
  UpdateCover(loaded, nullptr);
  return loaded;
}

void Runtime::Show(Window& window) {
  if (ended_ || !window.loaded_) return;
  Trace(window.Name() + ".Show");
  const bool firstShowing = !window.shownBefore_;
  window.visible_ = true;
  window.shownBefore_ = true;
  everShown_ = true;
  if (observer_) observer_->WindowShown(window);
  // Only the first showing places the focus; a window shown again keeps the user's.
  if (firstShowing) PlaceFirstFocus(window);
}

void Runtime::PlaceFirstFocus(Window& window) {
  // The first control of the tab order that can take the focus now, as a desktop activates a
  // new window; with none, the window itself keeps it.
  for (Control* control : TabOrder(window)) {
    if (CanTakeFocus(*control)) return FocusRequested(*control, FocusWay::FirstOfWindow);
  }
  if (observer_) observer_->WindowFocused(window, WindowFocusOf(FocusWay::FirstOfWindow));
}

void Runtime::UserFocused(Control& control) {
  if (!TakesFocus(control.Kind()) || !UserCanReach(control)) return;
  control.Owner().focused_ = &control;
  control.Owner().coveredFocus_ = nullptr;
}

void Runtime::UpdateCover(Window& window, const Control* moved) {
  // A frame may cover or uncover anything; any other control only itself, which is much
  // cheaper to find at every step of an animation.
  if (!moved || moved->Kind() == ControlKind::Frame) {
    std::set<const Control*> covered = CoveredControls(window);
    if (covered == window.covered_) return;
    window.covered_ = std::move(covered);
  } else {
    const bool covered = IsCovered(window, *moved);
    if (covered == window.Covered(*moved)) return;
    if (covered) {
      window.covered_.insert(moved);
    } else {
      window.covered_.erase(moved);
    }
  }
  if (observer_) observer_->CoverChanged(window);
}

void Runtime::KeepFocusReachable(Window& window) {
  Control* focused = window.focused_;
  if (focused && !CanTakeFocus(*focused)) {
    // The focus never falls to nothing: it goes on to the next control of the tab order that
    // can take it, as Tab would, and with none to the window itself. A control covered by a
    // frame gets it back once the frame has uncovered it.
    if (window.Covered(*focused) && !window.coveredFocus_) window.coveredFocus_ = focused;
    const std::vector<Control*> order = TabOrder(window);
    const auto at = std::find(order.begin(), order.end(), focused);
    for (std::size_t step = 1; step <= order.size(); ++step) {
      Control* next = order[(static_cast<std::size_t>(at - order.begin()) + step) % order.size()];
      if (CanTakeFocus(*next)) {
        Control* returning = window.coveredFocus_;
        FocusRequested(*next, FocusWay::Program);
        window.coveredFocus_ = returning;
        return;
      }
    }
    window.focused_ = nullptr;
    if (observer_) observer_->WindowFocused(window, WindowFocusOf(FocusWay::Program));
  } else if (window.coveredFocus_ && CanTakeFocus(*window.coveredFocus_)) {
    FocusRequested(*window.coveredFocus_, FocusWay::Program);
  }
}

void Runtime::Unload(Window& window) {
  if (ended_ || !window.loaded_) return;
  Trace(window.Name() + ".Unload");
  Discard(window);
  if (eventDepth_ == 0) AfterEvent();
}

void Runtime::SetWindowHeight(Window& window, double twips) {
  if (ended_ || !window.loaded_) return;
  window.outerHeight_ = twips;
  if (Tracing()) Trace(window.Name() + ".Height=" + TraceValue(twips));
  if (observer_) observer_->WindowHeightChanged(window);
}

void Runtime::End() {
  if (ended_) return;
  Trace("End");
  ended_ = true;
  while (!windows_.empty()) Discard(*windows_.front());
  if (observer_) observer_->Ended();
  if (eventDepth_ == 0) unloaded_.clear();
}

bool Runtime::UserCanReach(const Control& control) const {
  const Window& window = control.Owner();
  return !ended_ && window.visible_ && !message_ && control.Enabled() && control.Shown() && !window.Covered(control);
}

void Runtime::Click(Control& control) {
  if (!UserCanReach(control) || !control.onClick_) return;
  const auto handler = control.onClick_;
  Deliver(control.Owner(), control.Name() + "_Click", handler);
}

void Runtime::UserEdit(Control& control, std::string text) {
  // Only a text box takes typing and only a list box a choice.
  const bool editable = control.Kind() == ControlKind::TextBox || control.Kind() == ControlKind::ListBox;
  if (!editable || !UserCanReach(control)) return;
  control.SetText(std::move(text));
}

void Runtime::UserClose(Window& window) {
  // A window loaded but not shown has no close box to press.
  if (message_ || !window.visible_) return;
  Deliver(window, {}, [&window] { window.UserClosed(); });
}

bool Runtime::UserPressedEnter(Control& control) {
  if (control.Kind() != ControlKind::CommandButton || !UserCanReach(control)) return false;
  Click(control);
  return true;
}

bool Runtime::UserPressedEscape(Window& window) {
  if (ended_ || !window.visible_ || message_ || window.Look().role != WindowRole::Dialog) return false;
  UserClose(window);
  return true;
}

std::optional<Micros> Runtime::NextTimerDue() const {
  const Control* earliest = EarliestDueTimer(std::numeric_limits<Micros>::max());
  if (!earliest) return std::nullopt;
  return earliest->due_;
}

std::optional<int> Runtime::MillisecondsToNextTick() const {
  const auto due = NextTimerDue();
  if (!due) return std::nullopt;
  const Micros wait = std::max<Micros>(0, *due - clock_->Now());
  return static_cast<int>((wait + 999) / 1000);
}

void Runtime::FireDueTimers() {
  const Micros now = clock_->Now();
  while (Control* timer = EarliestDueTimer(now)) {
    const Micros due = timer->due_;
    const Micros interval = Milliseconds(timer->Interval());
    const bool longStall = lateTicks_ == LateTicks::CatchUpShortStalls && now - due > kLongestCaughtUpStall;
    // Each tick is due one interval after the previous one, so ticks do not drift, and the
    // ticks that a stall held up follow at once; after a long stall the timer starts afresh.
    timer->due_ = longStall ? now + interval : due + interval;
    timer->dueOrder_ = nextDueOrder_++;
    // A tick whose successor is due already is delivered as at the moment it was due, so that
    // the trace, and whatever it starts, keep the schedule too; but never before the time
    // that the program has seen already (a click, another timer's late tick, a slow handler),
    // so that its time does not run back.
    if (timer->due_ <= now) heldTime_ = std::max(due, latestTime_);
    tickTime_ = longStall ? now : due;
    const auto handler = timer->onTimer_;
    Deliver(timer->Owner(), timer->Name() + "_Timer", [&handler] {
      if (handler) handler();
    });
    tickTime_.reset();
    heldTime_.reset();
  }
  if (observer_) observer_->TimersChanged();
}

void Runtime::PropertyWritten(Control& control, Property property) {
  if (ended_ || !control.Owner().loaded_) return;
  if (Tracing()) {
    std::string value;
    switch (property) {
      case Property::Caption: value = TraceValue(std::string_view(control.Caption())); break;
      case Property::Text: value = TraceValue(std::string_view(control.Text())); break;
      case Property::Visible: value = TraceValue(control.Visible()); break;
      case Property::Enabled: value = TraceValue(control.Enabled()); break;
      case Property::Left: value = TraceValue(control.Left()); break;
      case Property::Top: value = TraceValue(control.Top()); break;
      case Property::Width: value = TraceValue(control.Width()); break;
      case Property::Height: value = TraceValue(control.Height()); break;
      case Property::Interval: value = TraceValue(static_cast<double>(control.Interval())); break;
    }
    Trace(control.Owner().Name() + "." + control.TraceName() + "." + std::string(PropertyName(property)) + "=" + value);
  }
  if (observer_) observer_->PropertyChanged(control, property);
  if (property != Property::Caption && property != Property::Text && property != Property::Interval) {
    UpdateCover(control.Owner(), &control);
    KeepFocusReachable(control.Owner());
  }
}

void Runtime::ShowMessage(Window& over, const std::string& text, std::function<void()> then) {
  if (ended_ || !over.loaded_) return;
  // One box at a time: a box asked for while another is open, or its `then` still to run,
  // waits for its turn.
  if (message_ || closedMessage_) {
    waitingMessages_.push_back({&over, text, std::move(then)});
    return;
  }
  message_ = OpenMessage{&over, std::move(then)};
  // Whatever the view does, ShowMessage returns before `then` runs: within it, the box closed
  // at once waits for the event that showed it to return.
  ++eventDepth_;
  const bool shown = observer_ && observer_->MessageShown(over, text);
  if (!shown) MessageClosed();
  --eventDepth_;
  if (eventDepth_ == 0) AfterEvent();
}

void Runtime::MessageClosed() {
  if (!message_) return;
  closedMessage_ = std::move(message_);
  message_.reset();
  if (eventDepth_ == 0) AfterEvent();
}

void Runtime::FocusRequested(Control& control, FocusWay way) {
  if (ended_ || !control.Owner().loaded_) return;
  control.Owner().focused_ = &control;
  control.Owner().coveredFocus_ = nullptr;
  if (observer_) observer_->FocusRequested(control, way);
}

void Runtime::AccessibleNameWritten(Control& control) {
  if (!ended_ && control.Owner().loaded_ && observer_) observer_->AccessibleNameChanged(control);
}

void Runtime::Announce(Control& announcer, const std::string& text) {
  if (!ended_ && announcer.Owner().loaded_ && observer_) observer_->Announced(announcer, text);
}

void Runtime::TimerSwitched(Control& timer, bool freshInterval) {
  if (timer.Enabled() && freshInterval) {
    // A timer started within a tick counts from the moment that tick was due, so that the
    // lateness of each tick does not add up over a chain of hand-overs.
    timer.due_ = tickTime_.value_or(Now()) + Milliseconds(timer.Interval());
    timer.dueOrder_ = nextDueOrder_++;
  }
  if (observer_) observer_->TimersChanged();
}

void Runtime::Deliver(Window& window, std::string_view handler, const std::function<void()>& body) {
  if (ended_ || !window.loaded_) return;
  latestTime_ = std::max(latestTime_, Now());
  if (!handler.empty()) Trace(window.Name() + "." + std::string(handler));
  ++eventDepth_;
  body();
  --eventDepth_;
  if (eventDepth_ == 0) AfterEvent();
}

void Runtime::AfterEvent() {
  if (closedMessage_) {
    const OpenMessage closed = std::move(*closedMessage_);
    closedMessage_.reset();
    // Delivered, it comes back here once it has run.
    if (closed.then && !ended_ && closed.over->loaded_) return Deliver(*closed.over, {}, closed.then);
  }
  if (!message_ && !waitingMessages_.empty()) {
    WaitingMessage next = std::move(waitingMessages_.front());
    waitingMessages_.pop_front();
    // Shown, it comes back here once it has been closed at once or handed to the view.
    return ShowMessage(*next.over, next.text, std::move(next.then));
  }
  unloaded_.clear();
  // The program ends when its last visible window has gone; a window loaded but never shown
  // must not keep it alive with nothing on the screen.
  const bool anyVisible = std::any_of(windows_.begin(), windows_.end(), [](const auto& w) { return w->Visible(); });
  if (everShown_ && !ended_ && !anyVisible) End();
}

void Runtime::Discard(Window& window) {
  if (message_ && message_->over == &window) message_.reset();
  if (closedMessage_ && closedMessage_->over == &window) closedMessage_.reset();
  std::erase_if(waitingMessages_, [&window](const WaitingMessage& waiting) { return waiting.over == &window; });
  window.loaded_ = false;
  window.visible_ = false;
  if (observer_) observer_->WindowUnloaded(window);
  const auto found =
      std::find_if(windows_.begin(), windows_.end(), [&window](const auto& w) { return w.get() == &window; });
  unloaded_.push_back(std::move(*found));
  windows_.erase(found);
  if (observer_) observer_->TimersChanged();
}

void Runtime::Trace(std::string_view what) {
  latestTime_ = std::max(latestTime_, Now());
  if (Tracing()) traceSink_(TraceTime(Now()) + " " + std::string(what));
}

Control* Runtime::EarliestDueTimer(Micros by) const {
  Control* earliest = nullptr;
  for (const auto& window : windows_) {
    for (Control* timer : window->Timers()) {
      if (!timer->Enabled() || timer->Interval() <= 0 || timer->due_ > by) continue;
      if (!earliest || timer->due_ < earliest->due_ ||
          (timer->due_ == earliest->due_ && timer->dueOrder_ < earliest->dueOrder_)) {
        earliest = timer;
      }
    }
  }
  return earliest;
}

}  // namespace rt
