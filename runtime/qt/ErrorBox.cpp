#include "ErrorBox.h"

#include <QMessageBox>
#include <cstdio>

#include "RuntimeError.h"

namespace rt::qt {

void InstallErrorBox(const QString& programName) {
  SetRuntimeErrorHandler([programName](RuntimeErrorCode code) {
    const std::string title = RuntimeErrorTitle(code);
    const std::string name = RuntimeErrorName(code);
    std::fprintf(stderr, "%s %s\n", title.c_str(), name.c_str());
    QMessageBox box(QMessageBox::Critical, programName, QString::fromStdString(title + "\n\n" + name), QMessageBox::Ok);
    box.exec();
  });
}

}  // namespace rt::qt
