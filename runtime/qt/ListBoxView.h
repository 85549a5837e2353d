#pragma once
// A list box with one selected item; the user's choice is written back as the list's text.
#include <QListWidget>

#include "ControlView.h"

namespace rt::qt {

class ListBoxView final : public QListWidget, public ControlView {
 public:
  ListBoxView(Control& control, QWidget* parent, const QFont& font);
  QWidget& Widget() override { return *this; }
  void Sync(Property property) override;
  void Detach() override;

 protected:
  void focusInEvent(QFocusEvent* event) override;
};

}  // namespace rt::qt
