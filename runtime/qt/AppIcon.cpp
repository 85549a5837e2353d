#include "AppIcon.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

namespace rt::qt {

void InstallApplicationIcon() {
  // Each size is drawn for itself: the window manager picks one and never blurs a scaled copy.
  const QDir sizes(QStringLiteral(":/icon"));
  QIcon icon;
  for (const QString& file : sizes.entryList(QDir::Files)) icon.addFile(sizes.filePath(file));
  QApplication::setWindowIcon(icon);
}

}  // namespace rt::qt
