#include "Units.h"

#include <QFontDatabase>

#include "Fonts.h"

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

QFont FromTypeface(const Typeface& face) {
  QStringList families;
  for (const std::string& family : face.families) families << QString::fromStdString(family);
  QFont font;
  font.setFamily(FirstInstalled(families));
  font.setPointSizeF(face.points);
  font.setWeight(face.bold ? QFont::Bold : QFont::Normal);
  return font;
}

}  // namespace

QFont DefaultFont() { return FromTypeface(ResolveFont({})); }

QFont ToQFont(const FontSpec& wanted, const QFont& defaultFont) {
  if (wanted.family.empty()) return defaultFont;
  return FromTypeface(ResolveFont(wanted));
}

}  // namespace rt::qt
