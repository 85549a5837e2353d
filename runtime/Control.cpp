#include "Control.h"

#include <algorithm>

#include "Runtime.h"

namespace rt {

std::string_view PropertyName(Property property) {
  switch (property) {
    case Property::Caption: return "Caption";
    case Property::Text: return "Text";
    case Property::Visible: return "Visible";
    case Property::Enabled: return "Enabled";
    case Property::Left: return "Left";
    case Property::Top: return "Top";
    case Property::Width: return "Width";
    case Property::Height: return "Height";
    case Property::Interval: return "Interval";
  }
  return "?";
}

Control::Control(Window& owner, ControlKind kind, std::string name, int index, Design design)
    : owner_(owner),
      kind_(kind),
      name_(std::move(name)),
      index_(index),
      design_(std::move(design)),
      caption_(design_.caption),
      text_(design_.text),
      accessibleName_(design_.accessibleName),
      visible_(design_.visible),
      enabled_(design_.enabled),
      left_(design_.left),
      top_(design_.top),
      width_(design_.width),
      height_(design_.height),
      interval_(design_.interval) {}

std::string Control::TraceName() const { return index_ == 0 ? name_ : name_ + "(" + std::to_string(index_) + ")"; }

bool Control::Shown() const { return visible_ && (!Container() || Container()->Shown()); }

double Control::LeftInWindow() const { return left_ + (Container() ? Container()->LeftInWindow() : 0); }

double Control::TopInWindow() const { return top_ + (Container() ? Container()->TopInWindow() : 0); }

int Control::ListIndex() const {
  const auto& items = design_.items;
  const auto found = std::find(items.begin(), items.end(), text_);
  return found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

void Control::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Written(Property::Caption);
}

void Control::SetText(std::string text) {
  if (kind_ == ControlKind::ListBox) {
    // A list keeps exactly one item selected: a text that names no item changes nothing.
    const auto& items = design_.items;
    if (std::find(items.begin(), items.end(), text) == items.end()) return;
  }
  text_ = std::move(text);
  Written(Property::Text);
}

void Control::SetVisible(bool visible) {
  visible_ = visible;
  Written(Property::Visible);
}

void Control::SetEnabled(bool enabled) {
  const bool switchedOn = enabled && !enabled_;
  enabled_ = enabled;
  Written(Property::Enabled);
  if (kind_ == ControlKind::Timer) owner_.Runtime().TimerSwitched(*this, switchedOn);
}

void Control::SetLeft(double twips) {
  left_ = twips;
  Written(Property::Left);
}

void Control::SetTop(double twips) {
  top_ = twips;
  Written(Property::Top);
}

void Control::SetWidth(double twips) {
  width_ = twips;
  Written(Property::Width);
}

void Control::SetHeight(double twips) {
  height_ = twips;
  Written(Property::Height);
}

void Control::SetInterval(int milliseconds) {
  interval_ = milliseconds;
  Written(Property::Interval);
  if (kind_ == ControlKind::Timer) owner_.Runtime().TimerSwitched(*this, true);
}

void Control::SetFocus(bool selectAll) {
  owner_.Runtime().FocusRequested(*this, selectAll ? FocusWay::ProgramSelectingAll : FocusWay::Program);
}

void Control::SetAccessibleName(std::string name) {
  if (name == accessibleName_) return;
  accessibleName_ = std::move(name);
  owner_.Runtime().AccessibleNameWritten(*this);
}

void Control::Announce(std::string text) { owner_.Runtime().Announce(*this, text); }

void Control::Written(Property property) { owner_.Runtime().PropertyWritten(*this, property); }

}  // namespace rt
