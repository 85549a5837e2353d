#pragma once
// The order in which Tab visits a window's controls.
#include <vector>

#include "Window.h"

namespace rt {

bool TakesFocus(ControlKind kind);

// Whether the control can take the focus now: it and every frame that holds it are visible,
// it is enabled, and no frame covers it.
bool CanTakeFocus(const Control& control);

// The controls that can take the keyboard focus, by tab index.
std::vector<Control*> TabOrder(const Window& window);

}  // namespace rt
