#include "TabOrder.h"

#include <algorithm>

namespace rt {
namespace {

struct Place {
  double top, left;
  int depth;  // how many frames hold the control
};

Place PlaceInWindow(const Control& control) {
  Place place{control.TopInWindow(), control.LeftInWindow(), 0};
  for (const Control* frame = control.Container(); frame; frame = frame->Container()) ++place.depth;
  return place;
}

// Reading order: row by row from the top of the window, each row from the left; a frame
// before what it holds.
bool ReadsBefore(const Control* a, const Control* b) {
  const Place first = PlaceInWindow(*a), second = PlaceInWindow(*b);
  if (first.top != second.top) return first.top < second.top;
  if (first.left != second.left) return first.left < second.left;
  return first.depth < second.depth;
}

bool Holds(const Control& frame, const Control& control) {
  for (const Control* holder = control.Container(); holder; holder = holder->Container()) {
    if (holder == &frame) return true;
  }
  return false;
}

// Where the control stands in the tab order: a frame where the first control it holds that
// takes the focus does, any other control where its own tab index puts it.
int TabPlace(const Control& control, const std::vector<Control*>& controls) {
  int place = control.Look().tabIndex;
  bool holdsFocusable = false;
  for (const Control* inside : controls) {
    if (!TakesFocus(inside->Kind()) || !(inside == &control || Holds(control, *inside))) continue;
    place = holdsFocusable ? std::min(place, inside->Look().tabIndex) : inside->Look().tabIndex;
    holdsFocusable = true;
  }
  return place;
}

}  // namespace

bool TakesFocus(ControlKind kind) {
  return kind == ControlKind::TextBox || kind == ControlKind::ListBox || kind == ControlKind::CommandButton;
}

bool CanTakeFocus(const Control& control) {
  return TakesFocus(control.Kind()) && control.Enabled() && control.Shown() && !control.Owner().Covered(control);
}

std::vector<Control*> TabOrder(const Window& window) {
  std::vector<Control*> order;
  for (const auto& control : window.Controls()) {
    if (TakesFocus(control->Kind())) order.push_back(control.get());
  }
  std::stable_sort(order.begin(), order.end(),
                   [](const Control* a, const Control* b) { return a->Look().tabIndex < b->Look().tabIndex; });
  return order;
}

std::vector<Control*> ElementOrder(std::vector<Control*> controls, const std::vector<Control*>& all) {
  std::stable_sort(controls.begin(), controls.end(), ReadsBefore);
  std::stable_sort(controls.begin(), controls.end(),
                   [&all](const Control* a, const Control* b) { return TabPlace(*a, all) < TabPlace(*b, all); });
  return controls;
}

}  // namespace rt
