#pragma once
// The windows are laid out in twips; a screen shows them in whole pixels at 96 dots per inch.
#include <cmath>

namespace rt {

inline constexpr double kTwipsPerPixel = 15.0;

// The nearest whole pixel, a half rounded up.
inline int Pixels(double twips) { return static_cast<int>(std::floor(twips / kTwipsPerPixel + 0.5)); }

// A window's outer height was laid out for a title bar and borders of this size; whatever
// frame a window manager or a page draws, the client area shows the rest.
inline constexpr double kDesignedFrameTwips = 525;

inline int ClientPixelsOfOuterHeight(double outerTwips) {
  const int pixels = Pixels(outerTwips - kDesignedFrameTwips);
  return pixels > 1 ? pixels : 1;
}

}  // namespace rt
