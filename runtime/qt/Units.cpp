#include "Units.h"

#include "Fonts.h"

namespace rt::qt {
namespace {

QFont FromTypeface(const Typeface& face) {
  QFont font;
  QStringList families;
  for (const std::string& family : face.families) families << QString::fromStdString(family);
  font.setFamilies(families);
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
