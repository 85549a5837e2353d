#include "TextBoxView.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QTimer>
#include <utility>

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

namespace {

QAccessible::UpdateHandler forwardUpdate = nullptr;

// Every update but a change of selection, on its way to assistive technology as ever.
void UpdateButSelection(QAccessibleEvent* event) {
  if (event->type() == QAccessible::TextSelectionChanged) return;
  QAccessible::installUpdateHandler(forwardUpdate);
  QAccessible::updateAccessibility(event);
  QAccessible::installUpdateHandler(UpdateButSelection);
}

}  // namespace

void TextBoxView::Sync(Property property) {
  if (property == Property::Text) {
    const QString text = QString::fromStdString(control_.Text());
    if (text != this->text()) {
      const QSignalBlocker programWrites(this);
      // A selection kept unseen in a box without the focus goes with its old text, unheard.
      forwardUpdate = QAccessible::installUpdateHandler(UpdateButSelection);
      setText(text);
      QAccessible::installUpdateHandler(forwardUpdate);
    }
    return;
  }
  ControlView::Sync(property);
}

void TextBoxView::focusInEvent(QFocusEvent* event) {
  if (focusedLook_) setPalette(*std::exchange(focusedLook_, std::nullopt));
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
  // The selection stays as the focus leaves, unseen, as a browser keeps a text box's. A screen
  // reader may come to the news that the box's text was selected only after the user has left
  // it, and reads the selection then: gone, it would say "Text unselected." after every Tab.
  QFocusEvent keepingSelection(event->type(), Qt::ActiveWindowFocusReason);
  QLineEdit::focusOutEvent(event->reason() == Qt::PopupFocusReason ? event : &keepingSelection);
  focusedLook_ = palette();
  QPalette unfocused = *focusedLook_;
  unfocused.setColor(QPalette::Highlight, unfocused.color(QPalette::Base));
  unfocused.setColor(QPalette::HighlightedText, unfocused.color(QPalette::Text));
  setPalette(unfocused);
}

void TextBoxView::Detach() { disconnect(this, &QLineEdit::textChanged, nullptr, nullptr); }

}  // namespace rt::qt
