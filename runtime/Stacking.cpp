#include "Stacking.h"

namespace rt {

bool DrawnOnContainer(ControlKind kind) {
  return kind == ControlKind::Label || kind == ControlKind::Image || kind == ControlKind::Shape;
}

std::vector<Control*> BackToFront(const Window& window) {
  // The table lists each layer topmost first.
  std::vector<Control*> order;
  for (const bool onContainer : {true, false}) {
    const auto& controls = window.Controls();
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
      const ControlKind kind = (*it)->Kind();
      if (kind != ControlKind::Timer && DrawnOnContainer(kind) == onContainer) order.push_back(it->get());
    }
  }
  return order;
}

}  // namespace rt
