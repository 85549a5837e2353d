#pragma once
// A shape: a rounded rectangle with a thin dark border, filled with its back colour.
#include "ControlView.h"

namespace rt::qt {

class ShapeView final : public QWidget, public ControlView {
 public:
  ShapeView(Control& control, QWidget* parent);
  QWidget& Widget() override { return *this; }

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace rt::qt
