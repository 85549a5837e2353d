#include "Covering.h"

#include <algorithm>

#include "Stacking.h"

namespace rt {
namespace {

struct Rect {
  double left, top, right, bottom;
  bool Holds(const Rect& other) const {
    return other.left >= left && other.top >= top && other.right <= right && other.bottom <= bottom;
  }
};

Rect InWindow(const Control& control) {
  Rect rect{control.Left(), control.Top(), control.Left() + control.Width(), control.Top() + control.Height()};
  for (const Control* frame = control.Container(); frame; frame = frame->Container()) {
    rect.left += frame->Left();
    rect.right += frame->Left();
    rect.top += frame->Top();
    rect.bottom += frame->Top();
  }
  return rect;
}

bool Shown(const Control& control) {
  for (const Control* shown = &control; shown; shown = shown->Container()) {
    if (!shown->Visible()) return false;
  }
  return true;
}

// The control itself or the frame holding it that stands beside the given one, in the same
// container; none where the control lies elsewhere.
const Control* BesideIn(const Control* control, const Control* container) {
  for (; control; control = control->Container()) {
    if (control->Container() == container) return control;
  }
  return nullptr;
}

}  // namespace

std::vector<const Control*> CoveredControls(const Window& window) {
  const std::vector<Control*> stack = BackToFront(window);
  const auto height = [&stack](const Control* control) { return std::find(stack.begin(), stack.end(), control); };
  std::vector<const Control*> covered;
  for (const Control* frame : stack) {
    if (frame->Kind() != ControlKind::Frame || !Shown(*frame)) continue;
    const Rect area = InWindow(*frame);
    for (const Control* control : stack) {
      const Control* beside = BesideIn(control, frame->Container());
      if (!beside || beside == frame || height(beside) > height(frame) || !area.Holds(InWindow(*control))) continue;
      if (std::find(covered.begin(), covered.end(), control) == covered.end()) covered.push_back(control);
    }
  }
  return covered;
}

}  // namespace rt
