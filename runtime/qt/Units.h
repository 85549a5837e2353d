#pragma once
// Conversions from the runtime's twips, colours and fonts to Qt's.
#include <QColor>
#include <QFont>
#include <QRect>

#include "Control.h"
#include "Pixels.h"

namespace rt::qt {

using rt::Pixels;

inline QRect PixelRect(double left, double top, double width, double height) {
  return {Pixels(left), Pixels(top), Pixels(width), Pixels(height)};
}

inline QColor ToQColor(Rgb rgb) { return {rgb.red, rgb.green, rgb.blue}; }

// The font of every control that names none.
QFont DefaultFont();

// The control's own font where it is installed, else its look-alike, else the default font.
QFont ToQFont(const FontSpec& wanted, const QFont& defaultFont);

}  // namespace rt::qt
