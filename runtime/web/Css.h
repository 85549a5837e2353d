#pragma once
// The runtime's twips, colours and fonts as CSS values.
#include <string>

#include "Control.h"

namespace rt::web {

std::string Px(int pixels);
std::string TwipsPx(double twips);  // whole pixels, as on the desktop
std::string CssColor(Rgb rgb);

// The font's family list, size and weight, applied to the element.
class Element;
void ApplyFont(const Element& element, const FontSpec& wanted);

}  // namespace rt::web
