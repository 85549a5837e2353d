#include "Units.h"

namespace rt::qt {

QFont DefaultFont() {
  QFont font;
  font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Nimbus Sans")});
  font.setPointSizeF(8);
  return font;
}

QFont ToQFont(const FontSpec& spec, const QFont& defaultFont) {
  QFont font = defaultFont;
  if (spec.family.empty()) return font;
  QStringList families{QString::fromStdString(spec.family)};
  if (spec.family == "Comic Sans MS") families << QStringLiteral("Comic Neue");
  families << defaultFont.families();
  font.setFamilies(families);
  font.setPointSizeF(spec.points);
  font.setWeight(spec.bold ? QFont::Bold : QFont::Normal);
  return font;
}

}  // namespace rt::qt
