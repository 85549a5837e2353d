#pragma once
// Which controls a visible frame covers: a panel slid over a window's controls hides them from
// sight, and so from the keyboard and from screen readers.
#include <vector>

#include "Window.h"

namespace rt {

// The controls that lie wholly within a shown frame standing in front of them, one that does
// not hold them; the controls such a frame holds are not covered by it.
std::vector<const Control*> CoveredControls(const Window& window);

}  // namespace rt
