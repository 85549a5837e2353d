#include "Fonts.h"

namespace rt {

Typeface ResolveFont(const FontSpec& wanted) {
  Typeface face{.families = {"Liberation Sans", "Arial", "Nimbus Sans"}, .points = 8};
  if (wanted.family.empty()) return face;
  std::vector<std::string> families{wanted.family};
  if (wanted.family == "Comic Sans MS") families.emplace_back("Comic Neue");
  face.families.insert(face.families.begin(), families.begin(), families.end());
  face.points = wanted.points;
  face.bold = wanted.bold;
  return face;
}

}  // namespace rt
