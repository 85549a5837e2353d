#include "TabOrder.h"

#include <algorithm>

namespace rt {

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

}  // namespace rt
