#include "Covering.h"

#include <vector>

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
  const double left = control.LeftInWindow(), top = control.TopInWindow();
  return {left, top, left + control.Width(), top + control.Height()};
}

// The control itself or the frame holding it that stands beside the given one, in the same
// container; none where the control lies elsewhere.
const Control* BesideIn(const Control* control, const Control* container) {
  for (; control; control = control->Container()) {
    if (control->Container() == container) return control;
  }
  return nullptr;
}

// Whether the first control is drawn over the second, both standing in the same container.
bool InFront(const Window& window, const Control& first, const Control& second) {
  if (DrawnOnContainer(first.Kind()) != DrawnOnContainer(second.Kind())) return !DrawnOnContainer(first.Kind());
  // The table lists each layer topmost first.
  for (const auto& control : window.Controls()) {
    if (control.get() == &first) return true;
    if (control.get() == &second) return false;
  }
  return false;
}

// A shown frame and the area it hides.
struct Cover {
  const Control* frame;
  Rect area;
};

std::vector<Cover> Covers(const Window& window) {
  std::vector<Cover> covers;
  for (const auto& control : window.Controls()) {
    if (control->Kind() == ControlKind::Frame && control->Shown())
      covers.push_back({control.get(), InWindow(*control)});
  }
  return covers;
}

bool CoveredBy(const Window& window, const Control& control, const std::vector<Cover>& covers) {
  const Rect box = InWindow(control);
  for (const Cover& cover : covers) {
    if (!cover.area.Holds(box)) continue;
    const Control* beside = BesideIn(&control, cover.frame->Container());
    if (beside && beside != cover.frame && !InFront(window, *beside, *cover.frame)) return true;
  }
  return false;
}

}  // namespace

bool IsCovered(const Window& window, const Control& control) { return CoveredBy(window, control, Covers(window)); }

std::set<const Control*> CoveredControls(const Window& window) {
  const std::vector<Cover> covers = Covers(window);
  std::set<const Control*> covered;
  for (const auto& control : window.Controls()) {
    if (control->Kind() != ControlKind::Timer && CoveredBy(window, *control, covers)) covered.insert(control.get());
  }
  return covered;
}

}  // namespace rt
