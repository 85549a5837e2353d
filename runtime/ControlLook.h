#pragma once
// How the controls are drawn, alike on every backend: the details that a window's design does
// not give, in pixels.
#include <algorithm>

namespace rt {

// A shape's corners are rounded by this share of its shorter side.
inline double ShapeCornerRadius(double width, double height) { return std::min(width, height) * 0.15; }

// A frame's caption interrupts its top border this far in from the left edge.
inline constexpr int kFrameCaptionIndent = 6;

}  // namespace rt
