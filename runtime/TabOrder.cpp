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

// Sorts the few controls of a window, keeping the order of those alike: by insertion, which
// takes a hundredth of the page's WebAssembly that std::stable_sort took for each order.
template <class Before>
void StableSort(std::vector<Control*>& controls, Before before) {
  for (std::size_t sorted = 1; sorted < controls.size(); ++sorted) {
    Control* next = controls[sorted];
    std::size_t at = sorted;
    for (; at > 0 && before(next, controls[at - 1]); --at) controls[at] = controls[at - 1];
    controls[at] = next;
  }
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
  StableSort(order, [](const Control* a, const Control* b) { return a->Look().tabIndex < b->Look().tabIndex; });
  return order;
}

std::vector<Control*> ElementOrder(std::vector<Control*> controls, const std::vector<Control*>& all) {
  StableSort(controls, ReadsBefore);
  StableSort(controls, [&all](const Control* a, const Control* b) { return TabPlace(*a, all) < TabPlace(*b, all); });
  return controls;
}

}  // namespace rt
