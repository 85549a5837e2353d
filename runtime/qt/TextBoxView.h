#pragma once
// A single-line text box; what the user types is written back to the control.
#include <QLineEdit>
#include <QPalette>
#include <optional>

#include "ControlView.h"

namespace rt::qt {

class TextBoxView final : public QLineEdit, public ControlView {
 public:
  TextBoxView(Control& control, QWidget* parent, const QFont& font);
  QWidget& Widget() override { return *this; }
  void Sync(Property property) override;
  void Detach() override;

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  std::optional<QPalette> focusedLook_;  // while the focus is elsewhere
};

}  // namespace rt::qt
