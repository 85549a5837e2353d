// Loaded into a Qt program (LD_PRELOAD) to end it as soon as its first window has been
// painted: the end of start-up as the user sees it.
#include <QCoreApplication>
#include <QEvent>
#include <cstdlib>

namespace {

class FirstPaint final : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      // Posted, so that the whole window is painted and handed to the screen first; ahead of
      // whatever the program itself posted meanwhile.
      QCoreApplication::postEvent(this, new QEvent(QEvent::User), Qt::HighEventPriority);
    }
    return false;
  }

  bool event(QEvent* event) override {
    if (event->type() == QEvent::User) std::_Exit(0);
    return QObject::event(event);
  }

 private:
  bool seen_ = false;
};

void WatchForFirstPaint() { qApp->installEventFilter(new FirstPaint); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(WatchForFirstPaint)
