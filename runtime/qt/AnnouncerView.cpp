#include "AnnouncerView.h"

#include <QAccessible>
#include <QTimer>

namespace rt::qt {

AnnouncerView::AnnouncerView(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  setGeometry(0, 0, 1, 1);
  hide();
}

void AnnouncerView::Announce(const QString& text) {
  QTimer::singleShot(0, this, [this, text] {
    setAccessibleName(text);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Newer screen readers (Orca 51) no longer speak a notification that appears again, but
    // speak an announcement, which Qt sends since 6.8.
    QAccessibleAnnouncementEvent announcement(this, text);
    QAccessible::updateAccessibility(&announcement);
#else
    // A screen reader speaks a notification as it appears.
    hide();
    show();
#endif
  });
}

}  // namespace rt::qt
