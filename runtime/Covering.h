#pragma once
// Which controls a visible frame covers: a panel slid over a window's controls hides them from
// sight, and so from the keyboard and from screen readers.
#include <set>

#include "Window.h"

namespace rt {

// Whether the control lies wholly within a shown frame standing in front of it, one that does
// not hold it; the controls a frame holds are not covered by it.
bool IsCovered(const Window& window, const Control& control);

// Every covered control of the window.
std::set<const Control*> CoveredControls(const Window& window);

}  // namespace rt
