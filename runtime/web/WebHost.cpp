#include "WebHost.h"

#include <algorithm>
#include <limits>

namespace rt::web {
namespace {

WebHost*& ActiveHost() {
  static WebHost* host = nullptr;
  return host;
}

}  // namespace

WebHost::WebHost(Runtime& runtime, BrowserClock& clock) : runtime_(runtime), clock_(clock) {
  ActiveHost() = this;
  runtime_.SetObserver(this);
  const int separators = web_number_separators();
  runtime_.SetNumberFormat({.decimal = static_cast<char>(separators & 0xFF ? separators & 0xFF : '.'),
                            .group = static_cast<char>((separators >> 8) & 0xFF)});
  runtime_.SetMessageSink([](const std::string& text) { web_show_message(text.c_str()); });
}

WebHost::~WebHost() {
  runtime_.SetObserver(nullptr);
  runtime_.SetMessageSink({});
  ActiveHost() = nullptr;
}

WebHost* WebHost::Active() { return ActiveHost(); }

WindowPanel* WebHost::PanelOf(const Window& window) const {
  const auto found = panels_.find(&window);
  return found == panels_.end() ? nullptr : found->second.get();
}

ControlElement* WebHost::ElementOf(const Control& control) const {
  WindowPanel* panel = PanelOf(control.Owner());
  return panel ? panel->ElementOf(control) : nullptr;
}

Control* WebHost::InputControl(int elementId) const {
  for (const auto& [window, panel] : panels_) {
    if (Control* control = panel->InputControl(elementId)) return control;
  }
  return nullptr;
}

void WebHost::WindowShown(Window& window) {
  auto& panel = panels_[&window];
  if (!panel) panel = std::make_unique<WindowPanel>(window);
  panel->Show();
}

void WebHost::WindowHeightChanged(Window& window) {
  if (WindowPanel* panel = PanelOf(window)) panel->ApplyOuterHeight();
}

void WebHost::WindowUnloaded(Window& window) { panels_.erase(&window); }

void WebHost::PropertyChanged(Control& control, Property property) {
  if (ControlElement* element = ElementOf(control)) element->Sync(property);
}

void WebHost::TimersChanged() {
  if (delivering_) return;  // Tick schedules the next one when it is done
  const auto due = runtime_.NextTimerDue();
  if (!due) {
    web_schedule_tick(-1);
    return;
  }
  const Micros wait = std::max<Micros>(0, *due - clock_.Browser());
  web_schedule_tick(static_cast<double>((wait + 999) / 1000));
}

void WebHost::FocusRequested(Control& control, bool selectAll) {
  if (ControlElement* element = ElementOf(control)) web_focus(element->Outer().Id(), selectAll ? 1 : 0);
}

void WebHost::AccessibleNameChanged(Control& control) {
  if (ControlElement* element = ElementOf(control)) element->ShowAccessibleName();
}

// The page's live region speaks it: a screen reader in the browser follows the battle.
void WebHost::Announced(Control&, const std::string& text) { web_announce(text.c_str()); }

void WebHost::Ended() {
  web_schedule_tick(-1);
  web_ended();
}

void WebHost::Clicked(int elementId) {
  for (const auto& [window, panel] : panels_) {
    if (panel->CloseBoxId() == elementId) {
      panel->Model().Runtime().UserClose(panel->Model());
      return;
    }
  }
  if (Control* control = InputControl(elementId)) control->Owner().Runtime().Click(*control);
}

void WebHost::Edited(int elementId, std::string text) {
  if (Control* control = InputControl(elementId)) control->Owner().Runtime().UserEdit(*control, std::move(text));
}

void WebHost::ChoiceCleared(int elementId) {
  // The list shows its one choice again.
  if (Control* control = InputControl(elementId)) web_set_selected(elementId, control->ListIndex());
}

Micros WebHost::ShortestRunningInterval() const {
  Micros shortest = std::numeric_limits<Micros>::max();
  for (const auto& window : runtime_.Windows()) {
    for (const Control* timer : window->Timers()) {
      if (timer->Enabled() && timer->Interval() > 0) shortest = std::min(shortest, Milliseconds(timer->Interval()));
    }
  }
  return shortest;
}

void WebHost::Tick() {
  const Micros now = clock_.Browser();
  delivering_ = true;
  while (!runtime_.Ended()) {
    const auto due = runtime_.NextTimerDue();
    if (!due || *due > now) break;
    // A browser that throttles a background tab wakes it late: a tick so late that the next
    // one of a timer would be due too is delivered at its due moment, so that none is lost
    // and the battle keeps its schedule.
    clock_.Hold(now - *due >= ShortestRunningInterval() ? *due : now);
    runtime_.FireDueTimers();
  }
  clock_.Release();
  delivering_ = false;
  TimersChanged();
}

}  // namespace rt::web

// The page's input, handed over by Page.js.
extern "C" {

EMSCRIPTEN_KEEPALIVE void web_clicked(int elementId) {
  if (auto* host = rt::web::WebHost::Active()) host->Clicked(elementId);
}

EMSCRIPTEN_KEEPALIVE void web_edited(int elementId, const char* text) {
  if (auto* host = rt::web::WebHost::Active()) host->Edited(elementId, text);
}

EMSCRIPTEN_KEEPALIVE void web_choice_cleared(int elementId) {
  if (auto* host = rt::web::WebHost::Active()) host->ChoiceCleared(elementId);
}

EMSCRIPTEN_KEEPALIVE void web_tick() {
  if (auto* host = rt::web::WebHost::Active()) host->Tick();
}
}
