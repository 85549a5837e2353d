#include "WebHost.h"

namespace rt::web {
namespace {

WebHost*& ActiveHost() {
  static WebHost* host = nullptr;
  return host;
}

}  // namespace

WebHost::WebHost(Runtime& runtime) : runtime_(runtime) {
  ActiveHost() = this;
  runtime_.SetObserver(this);
  // A browser throttles a background tab for a minute at a time: every tick is caught up, so
  // that the battle a user comes back to stands where its schedule says.
  runtime_.SetLateTicks(LateTicks::CatchUp);
}

// Read at the user's first input, which is where typed numbers come from, rather than at the
// start: a browser's first look at its language's number format takes a while, which the first
// window would wait for.
void WebHost::LearnNumberFormat() {
  if (numberFormatLearned_) return;
  numberFormatLearned_ = true;
  constexpr int kSeparatorBytes = 8;
  char decimal[kSeparatorBytes] = {}, group[kSeparatorBytes] = {};
  web_number_separators(decimal, group, kSeparatorBytes);
  runtime_.SetNumberFormat(NumberFormatOf(decimal, group));
}

WebHost::~WebHost() {
  runtime_.SetObserver(nullptr);
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
  const auto wait = runtime_.MillisecondsToNextTick();
  web_schedule_tick(wait ? *wait : -1);
}

void WebHost::FocusRequested(Control& control, FocusWay way) {
  if (ControlElement* element = ElementOf(control)) web_focus(element->Outer().Id(), SelectsText(way) ? 1 : 0);
}

void WebHost::WindowFocused(Window& window, WindowFocus focus) {
  if (WindowPanel* panel = PanelOf(window))
    web_focus(focus == WindowFocus::WholeWindow ? panel->Id() : panel->CaptionId(), 0);
}

void WebHost::CoverChanged(Window& window) {
  if (WindowPanel* panel = PanelOf(window)) panel->ApplyCover();
}

bool WebHost::MessageShown(Window&, const std::string& text) {
  web_show_message(text.c_str());
  return true;
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

void WebHost::UserActed() {
  if (userActed_) return;
  userActed_ = true;
  web_user_acted();
}

void WebHost::Clicked(int elementId) {
  UserActed();
  LearnNumberFormat();
  for (const auto& [window, panel] : panels_) {
    if (panel->CloseBoxId() == elementId) {
      panel->Model().Runtime().UserClose(panel->Model());
      return;
    }
  }
  if (Control* control = InputControl(elementId)) control->Owner().Runtime().Click(*control);
}

// A window's close box is the page's, and Enter presses it as a click does.
void WebHost::EnterPressed(int elementId) {
  Control* control = InputControl(elementId);
  if (!control) return Clicked(elementId);
  UserActed();
  LearnNumberFormat();
  control->Owner().Runtime().UserPressedEnter(*control);
}

void WebHost::Edited(int elementId, std::string text) {
  UserActed();
  LearnNumberFormat();
  if (Control* control = InputControl(elementId)) control->Owner().Runtime().UserEdit(*control, std::move(text));
}

void WebHost::Focused(int elementId) {
  if (Control* control = InputControl(elementId)) runtime_.UserFocused(*control);
}

bool WebHost::EscapePressed(int panelId) {
  for (const auto& [window, panel] : panels_) {
    if (panel->Id() != panelId || !runtime_.UserPressedEscape(panel->Model())) continue;
    UserActed();
    return true;
  }
  return false;
}

void WebHost::MessageClosed() { runtime_.MessageClosed(); }

void WebHost::Tick() { runtime_.FireDueTimers(); }

}  // namespace rt::web
