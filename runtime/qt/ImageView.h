#pragma once
// An image: a still picture with one transparent colour, at its natural size or scaled.
#include <QPixmap>

#include "ControlView.h"

namespace rt::qt {

class ImageView final : public QWidget, public ControlView {
 public:
  ImageView(Control& control, QWidget* parent);
  QWidget& Widget() override { return *this; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap picture_;
};

// The picture resource of the given name, built into the program.
QPixmap LoadPicture(const std::string& name);

}  // namespace rt::qt
