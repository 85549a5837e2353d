#pragma once
// The order in which Tab visits a window's controls.
#include <vector>

#include "Window.h"

namespace rt {

bool TakesFocus(ControlKind kind);

// The controls that can take the keyboard focus, by tab index.
std::vector<Control*> TabOrder(const Window& window);

}  // namespace rt
