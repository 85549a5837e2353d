#include "TextBoxView.h"

#include <QFocusEvent>
#include <QTimer>

#include "Runtime.h"

namespace rt::qt {

TextBoxView::TextBoxView(Control& control, QWidget* parent, const QFont& font)
    : QLineEdit(parent), ControlView(control) {
  setFont(font);
  setText(QString::fromStdString(control.Text()));
  setGeometry(Geometry());
  setVisible(control.Visible());
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

void TextBoxView::focusInEvent(QFocusEvent* event) {
  // Tab selects the whole text, as ever, but only once the focus has been announced: a screen
  // reader then says the box's name before its selected value.
  const Qt::FocusReason reason = event->reason();
  if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason) {
    QLineEdit::focusInEvent(event);
    return;
  }
  QFocusEvent withoutSelection(event->type(), Qt::OtherFocusReason);
  QLineEdit::focusInEvent(&withoutSelection);
  QTimer::singleShot(0, this, [this] {
    if (hasFocus() && !hasSelectedText()) selectAll();
  });
}

void TextBoxView::focusOutEvent(QFocusEvent* event) {
  // The selection goes as ever, but only once the focus has moved on: a screen reader hears
  // a change of selection in the box it is still in as news ("text unselected"), and one in a
  // box it has left not at all.
  QFocusEvent keepingSelection(event->type(), Qt::ActiveWindowFocusReason);
  QLineEdit::focusOutEvent(event->reason() == Qt::PopupFocusReason ? event : &keepingSelection);
  if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason) return;
  QTimer::singleShot(0, this, [this] {
    if (!hasFocus()) deselect();
  });
}

void TextBoxView::Detach() { disconnect(this, &QLineEdit::textChanged, nullptr, nullptr); }

}  // namespace rt::qt
