#include "FrameView.h"

#include <QPainter>

#include "ControlLook.h"
#include "Units.h"

namespace rt::qt {

FrameView::FrameView(Control& control, QWidget* parent, const QFont& font, const QColor& textColor)
    : QWidget(parent), ControlView(control), textColor_(textColor) {
  setFont(font);
  // A frame is opaque: the help panel must cover what it slides over.
  setAutoFillBackground(true);
  if (control.Look().backColor) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ToQColor(*control.Look().backColor));
    setPalette(colours);
  }
  setGeometry(Geometry());
  setVisible(control.Visible());
  setAccessibleName(QString::fromStdString(control.Caption()));
}

void FrameView::Sync(Property property) {
  if (property == Property::Caption) {
    update();
    setAccessibleName(QString::fromStdString(control_.Caption()));
    return;
  }
  ControlView::Sync(property);
}

void FrameView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QFontMetrics metrics(font());
  const int lineY = metrics.height() / 2;
  const QRect border = rect().adjusted(0, lineY, -1, -1);
  painter.setPen(palette().color(QPalette::Dark));
  painter.drawRect(border);
  painter.setPen(palette().color(QPalette::Light));
  painter.drawRect(border.translated(1, 1).adjusted(0, 0, -1, -1));

  const QString caption = QString::fromStdString(control_.Caption());
  if (caption.isEmpty()) return;
  const QRect captionRect(kFrameCaptionIndent, 0, metrics.horizontalAdvance(caption) + 4, metrics.height());
  painter.fillRect(captionRect, palette().color(QPalette::Window));
  painter.setPen(textColor_);
  painter.drawText(captionRect, Qt::AlignCenter, caption);
}

}  // namespace rt::qt
