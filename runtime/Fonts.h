#pragma once
// The fonts that the windows are drawn in, on every backend.
#include <string>
#include <vector>

#include "Control.h"

namespace rt {

struct Typeface {
  std::vector<std::string> families;  // best first
  double points = 0;
  bool bold = false;
};

// A control's font: its own family, then a free look-alike for systems without it, then the
// default font's families. A control that names none has the default font: small and narrow,
// as the window layouts expect.
Typeface ResolveFont(const FontSpec& wanted);

}  // namespace rt
