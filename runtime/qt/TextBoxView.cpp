#include "TextBoxView.h"

#include "Runtime.h"

namespace rt::qt {

TextBoxView::TextBoxView(Control& control, QWidget* parent, const QFont& font)
    : QLineEdit(parent), ControlView(control) {
  setFont(font);
  setText(QString::fromStdString(control.Text()));
  setGeometry(Geometry());
  setVisible(control.Visible());
  connect(this, &QLineEdit::textEdited, this,
          [this](const QString& text) { Runtime::Current().UserEdit(control_, text.toStdString()); });
}

void TextBoxView::Sync(Property property) {
  if (property == Property::Text) {
    const QString text = QString::fromStdString(control_.Text());
    if (text != this->text()) setText(text);
    return;
  }
  ControlView::Sync(property);
}

void TextBoxView::Detach() { disconnect(this, &QLineEdit::textEdited, nullptr, nullptr); }

}  // namespace rt::qt
