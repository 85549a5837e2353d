#include "Units.h"

namespace rt::qt {

QFont DefaultFont() {
  QFont font;
  font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Nimbus Sans")});
  font.setPointSizeF(8);
  return font;
}

QFont ToQFont(const FontSpec& wanted, const QFont& defaultFont) {
  QFont font = defaultFont;
  if (wanted.family.empty()) return font;
  QStringList families{QString::fromStdString(wanted.family)};
  if (wanted.family == "Comic Sans MS") families << QStringLiteral("Comic Neue");
  families << defaultFont.families();
  font.setFamilies(families);
  font.setPointSizeF(wanted.points);
  font.setWeight(wanted.bold ? QFont::Bold : QFont::Normal);
  return font;
}

}  // namespace rt::qt
