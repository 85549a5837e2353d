// The yardstick for start-up: the least a Qt program shows, a window with a label, a button
// and a focused text box.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  auto* box = new QLineEdit;
  layout->addWidget(new QLabel(QStringLiteral("Name:")));
  layout->addWidget(box);
  layout->addWidget(new QPushButton(QStringLiteral("OK")));
  window.show();
  box->setFocus();
  return application.exec();
}
