#include "Units.h"

#include <QFontDatabase>

namespace rt::qt {
namespace {

// The first of the families that is installed, as the font's only family. Given the whole
// list, Qt would look up fallback fonts for each font at its first use, which is much of the
// time the first window takes to appear; a character the font lacks still comes from the
// system's fallback fonts.
QString FirstInstalled(const QStringList& families) {
  static const QStringList installed = QFontDatabase::families();
  for (const QString& family : families) {
    if (installed.contains(family, Qt::CaseInsensitive)) return family;
  }
  return families.front();
}

}  // namespace

QFont DefaultFont() {
  QFont font;
  font.setFamily(
      FirstInstalled({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Nimbus Sans")}));
  font.setPointSizeF(8);
  return font;
}

QFont ToQFont(const FontSpec& wanted, const QFont& defaultFont) {
  QFont font = defaultFont;
  if (wanted.family.empty()) return font;
  QStringList families{QString::fromStdString(wanted.family)};
  if (wanted.family == "Comic Sans MS") families << QStringLiteral("Comic Neue");
  families << defaultFont.family();
  font.setFamily(FirstInstalled(families));
  font.setPointSizeF(wanted.points);
  font.setWeight(wanted.bold ? QFont::Bold : QFont::Normal);
  return font;
}

}  // namespace rt::qt
