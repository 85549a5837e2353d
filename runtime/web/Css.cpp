#include "Css.h"

#include "ExactDecimal.h"
#include "Fonts.h"
#include "Page.h"
#include "Pixels.h"

namespace rt::web {

std::string Px(int pixels) { return std::to_string(pixels) + "px"; }

std::string TwipsPx(double twips) { return Px(Pixels(twips)); }

std::string CssColor(Rgb rgb) {
  return "rgb(" + std::to_string(rgb.red) + "," + std::to_string(rgb.green) + "," + std::to_string(rgb.blue) + ")";
}

void ApplyFont(const Element& element, const FontSpec& wanted) {
  const Typeface face = ResolveFont(wanted);
  std::string families;
  for (const std::string& family : face.families) families += "\"" + family + "\",";
  element.Style("font-family", families + "sans-serif");
  element.Style("font-size", ShortestDecimal(face.points) + "pt");
  element.Style("font-weight", face.bold ? "bold" : "normal");
}

}  // namespace rt::web
