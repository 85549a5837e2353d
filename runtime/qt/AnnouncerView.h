#pragma once
// Where a window's announcements are spoken from: an object that assistive technology takes
// for a notification, shown again with every announcement. It draws nothing and takes no
// input; what the announcing control shows on the screen stays as it is.
#include <QWidget>

namespace rt::qt {

class AnnouncerView final : public QWidget {
 public:
  explicit AnnouncerView(QWidget* parent);
  // Spoken once the current event has returned, after what that event showed.
  void Announce(const QString& text);
};

}  // namespace rt::qt
