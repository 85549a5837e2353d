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

// The order in which a backend lays out controls side by side (of `all`, the window's): in the
// tab order, a frame where the first control it holds that takes the focus stands, and what
// takes no focus in reading order among them (row by row from the top, each from the left, a
// frame before what it holds). A page's Tab and a screen reader's reading follow it.
std::vector<Control*> ElementOrder(std::vector<Control*> controls, const std::vector<Control*>& all);

}  // namespace rt
