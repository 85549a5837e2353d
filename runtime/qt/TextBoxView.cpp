#include "TextBoxView.h"

#include <QAccessible>
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

void TextBoxView::focusOutEvent(QFocusEvent* event) {
  // The selection goes as the focus leaves, but a screen reader is not told: it would say
  // "Text unselected." of a box the user has just left, after every Tab.
  forwardUpdate = QAccessible::installUpdateHandler(UpdateButSelection);
  QLineEdit::focusOutEvent(event);
  QAccessible::installUpdateHandler(forwardUpdate);
}

void TextBoxView::Detach() { disconnect(this, &QLineEdit::textChanged, nullptr, nullptr); }

}  // namespace rt::qt
