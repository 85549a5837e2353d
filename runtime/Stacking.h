#pragma once
// How a window's controls cover each other.
#include <vector>

#include "Window.h"

namespace rt {

// Labels, pictures and shapes are drawn on their container's own surface, below every child
// window (frames, buttons, text boxes, lists), whatever the table's order says.
bool DrawnOnContainer(ControlKind kind);

// The controls that are drawn (timers are not), from the bottom of the stack to the top.
std::vector<Control*> BackToFront(const Window& window);

}  // namespace rt
