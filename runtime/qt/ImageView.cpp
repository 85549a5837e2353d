#include "ImageView.h"

#include <QPainter>

namespace rt::qt {

QPixmap LoadPicture(const std::string& name) {
  const QPixmap picture(QStringLiteral(":/pictures/%1.xpm").arg(QString::fromStdString(name)));
  if (picture.isNull()) qWarning("No picture named \"%s\" is built in", name.c_str());
  return picture;
}

ImageView::ImageView(Control& control, QWidget* parent)
    : QWidget(parent), ControlView(control), picture_(LoadPicture(control.Look().picture)) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setGeometry(Geometry());
  setVisible(control.Visible());
}

void ImageView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (control_.Look().stretch) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), picture_);
  } else {
    painter.drawPixmap(0, 0, picture_);
  }
}

}  // namespace rt::qt
