#include "AppFont.h"

#include <QApplication>

#include "Units.h"

namespace rt::qt {

void InstallApplicationFont() {
  // Qt lays out every new text box once in the application's font before it takes its own.
  // Were that the system's font, the first window would load one font more than it shows,
  // a good part of its start-up time. The message boxes and the text boxes' menus keep the
  // font they had.
  const QFont messageBoxFont = QApplication::font("QMessageBox");
  const QFont menuFont = QApplication::font("QMenu");
  QApplication::setFont(DefaultFont());
  QApplication::setFont(messageBoxFont, "QMessageBox");
  QApplication::setFont(menuFont, "QMenu");
}

}  // namespace rt::qt
