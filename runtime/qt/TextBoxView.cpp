#include "TextBoxView.h"

#include "AccessibleNames.h"
#include "Runtime.h"

namespace rt::qt {

TextBoxView::TextBoxView(Control& control, QWidget* parent, const QFont& font)
    : QLineEdit(parent), ControlView(control) {
  setFont(font);
  setText(QString::fromStdString(control.Text()));
  setGeometry(Geometry());
  setVisible(control.Visible());
  setAccessibleName(QString::fromStdString(FieldName(control.Owner(), control)));
  // Typing, pasting and assistive technology all edit the text; only Sync is the program.
  connect(this, &QLineEdit::textChanged, this,
          [this](const QString& text) { control_.Owner().Runtime().UserEdit(control_, text.toStdString()); });
}

void TextBoxView::Sync(Property property) {
  if (property == Property::Text) {
    const QString text = QString::fromStdString(control_.Text());
    if (text != this->text()) {
      const QSignalBlocker programWrites(this);
      setText(text);
    }
    return;
  }
  ControlView::Sync(property);
}

void TextBoxView::Detach() { disconnect(this, &QLineEdit::textChanged, nullptr, nullptr); }

}  // namespace rt::qt
