#include "ShapeView.h"

#include <QPainter>

#include "ControlLook.h"
#include "Units.h"

namespace rt::qt {

ShapeView::ShapeView(Control& control, QWidget* parent) : QWidget(parent), ControlView(control) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setGeometry(Geometry());
  setVisible(control.Visible());
}

void ShapeView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  const double radius = ShapeCornerRadius(width(), height());
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(control_.Look().backColor ? QBrush(ToQColor(*control_.Look().backColor)) : QBrush(Qt::NoBrush));
  painter.drawRoundedRect(box, radius, radius);
}

}  // namespace rt::qt
