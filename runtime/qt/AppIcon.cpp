#include "AppIcon.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QIconEngine>
#include <QTimer>

namespace rt::qt {
namespace {

// The icon's sizes, known from the names of its files ("16.png" and so on), and its pictures,
// read from those files only when a picture is first asked for. Reading every size at start
// would take a good part of the time the first window needs, and a platform that draws no
// window icons never asks.
class IconFiles final : public QIconEngine {
 public:
  explicit IconFiles(const QString& folder) : folder_(folder) {
    for (const QString& file : folder_.entryList(QDir::Files)) {
      const int side = QFileInfo(file).baseName().toInt();
      sizes_ << QSize(side, side);
    }
  }

  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return mode == QIcon::Normal && state == QIcon::Off ? sizes_ : QList<QSize>{};
  }
  bool isNull() override { return sizes_.isEmpty(); }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Read().actualSize(size, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Read().pixmap(size, mode, state);
  }
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
    return Read().pixmap(size, scale, mode, state);
  }
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    Read().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QIconEngine* clone() const override { return new IconFiles(*this); }

 private:
  const QIcon& Read() {
    if (read_.isNull()) {
      for (const QString& file : folder_.entryList(QDir::Files)) read_.addFile(folder_.filePath(file));
    }
    return read_;
  }

  QDir folder_;
  QList<QSize> sizes_;
  QIcon read_;
};

// Puts the icon on every window once a first window has been painted, or after a short
// while if none is: on X11 every window hands all sizes of its icon to the window manager,
// which would otherwise delay the first picture on the screen.
class AfterFirstPaint final : public QObject {
 public:
  AfterFirstPaint() : QObject(qApp) {  // gone with the application if it never comes to install
    qApp->installEventFilter(this);
    QTimer::singleShot(kLatest, this, &AfterFirstPaint::Install);
  }

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      qApp->removeEventFilter(this);
      QMetaObject::invokeMethod(this, &AfterFirstPaint::Install, Qt::QueuedConnection);  // once it is on screen
    }
    return false;
  }

 private:
  static constexpr int kLatest = 2000;  // milliseconds

  void Install() {
    if (installed_) return;
    installed_ = true;
    qApp->removeEventFilter(this);
    QApplication::setWindowIcon(QIcon(new IconFiles(QStringLiteral(":/icon"))));
    deleteLater();
  }

  bool installed_ = false;
};

}  // namespace

void InstallApplicationIcon() {
  // Each size is drawn for itself: the window manager picks one and never blurs a scaled copy.
  new AfterFirstPaint;
}

}  // namespace rt::qt
