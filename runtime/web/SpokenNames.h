#pragma once
// What a screen reader calls each control that shows something.
#include <string>

#include "Control.h"

namespace rt::web {

std::string SpokenName(const Control& control);

}  // namespace rt::web
