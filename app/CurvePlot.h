#pragma once
// A curve of the odds as a standalone SVG picture: the Hero's chance against the varied value,
// with labelled axes, the target's line, the 95 % band where sampled, and a title that names
// the setting. Any browser or image viewer shows it as it is.
#include <string>

#include "CurveText.h"

namespace duelmark {

std::string CurveSvg(const Curve& curve);

}  // namespace duelmark
