#include "ButtonView.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>

#include "Runtime.h"

namespace rt::qt {

ButtonView::ButtonView(Control& control, QWidget* parent, const QFont& font)
    : QPushButton(parent), ControlView(control) {
  setFont(font);
  setText(QString::fromStdString(control.Caption()));
  setFocusPolicy(Qt::StrongFocus);
  setAutoDefault(false);
  setGeometry(Geometry());
  setEnabled(control.Enabled());
  setVisible(control.Visible());
  connect(this, &QPushButton::clicked, this, [this] { control_.Owner().Runtime().Click(control_); });
}

void ButtonView::Sync(Property property) {
  if (property == Property::Caption) {
    setText(QString::fromStdString(control_.Caption()));
    return;
  }
  ControlView::Sync(property);
}

void ButtonView::Detach() { disconnect(this, &QPushButton::clicked, nullptr, nullptr); }

void ButtonView::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && control_.Owner().Runtime().UserPressedEnter(control_)) return;
  QPushButton::keyPressEvent(event);
}

void ButtonView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const QString caption = option.text;
  option.text.clear();
  style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
  painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  painter.drawText(rect().adjusted(4, 4, -4, -4), Qt::AlignCenter | Qt::TextWordWrap, caption);
}

}  // namespace rt::qt
