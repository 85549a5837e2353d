#pragma once
// Conversions from the runtime's twips, colours and fonts to Qt's.
#include <QColor>
#include <QFont>
#include <QRect>

#include "Control.h"

namespace rt::qt {

inline constexpr double kTwipsPerPixel = 15.0;

inline int Pixels(double twips) { return qRound(twips / kTwipsPerPixel); }

inline QRect PixelRect(double left, double top, double width, double height) {
  return {Pixels(left), Pixels(top), Pixels(width), Pixels(height)};
}

inline QColor ToQColor(Rgb rgb) { return {rgb.red, rgb.green, rgb.blue}; }

// The font of every control that names none: small and narrow, as the window layouts expect.
QFont DefaultFont();

// Comic Sans MS where it is installed, else Comic Neue, else the default font.
QFont ToQFont(const FontSpec& wanted, const QFont& defaultFont);

}  // namespace rt::qt
