#include "AnnouncerView.h"

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
    // A screen reader speaks a notification as it appears.
    hide();
    show();
  });
}

}  // namespace rt::qt
