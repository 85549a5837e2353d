#pragma once
// A frame: an etched border with its caption at the top left, over its own back colour.
#include "ControlView.h"

namespace rt::qt {

class FrameView final : public QWidget, public ControlView {
 public:
  FrameView(Control& control, QWidget* parent, const QFont& font, const QColor& textColor);
  QWidget& Widget() override { return *this; }
  void Sync(Property property) override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor textColor_;
};

}  // namespace rt::qt
