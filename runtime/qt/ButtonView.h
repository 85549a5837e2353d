#pragma once
// A command button whose caption wraps over several lines, as the platform's buttons do.
#include <QPushButton>

#include "ControlView.h"

namespace rt::qt {

class ButtonView final : public QPushButton, public ControlView {
 public:
  ButtonView(Control& control, QWidget* parent, const QFont& font);
  QWidget& Widget() override { return *this; }
  void Sync(Property property) override;
  void Detach() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace rt::qt
