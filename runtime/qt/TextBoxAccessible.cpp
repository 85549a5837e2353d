#include "TextBoxAccessible.h"

#include <QFontMetrics>

namespace rt::qt {

TextBoxAccessible::TextBoxAccessible(QLineEdit& box) : QAccessibleWidget(&box, QAccessible::EditableText) {}

QAccessible::State TextBoxAccessible::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  state.editable = !Box().isReadOnly();
  state.selectableText = true;
  return state;
}

QString TextBoxAccessible::text(QAccessible::Text kind) const {
  return kind == QAccessible::Value ? Box().text() : QAccessibleWidget::text(kind);
}

void* TextBoxAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

void TextBoxAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
  *startOffset = *endOffset = 0;
  if (selectionIndex != 0 || !Box().hasSelectedText()) return;
  *startOffset = Box().selectionStart();
  *endOffset = Box().selectionEnd();
}

int TextBoxAccessible::selectionCount() const { return Box().hasSelectedText() ? 1 : 0; }

void TextBoxAccessible::addSelection(int startOffset, int endOffset) { setSelection(0, startOffset, endOffset); }

void TextBoxAccessible::removeSelection(int selectionIndex) {
  if (selectionIndex == 0) Box().deselect();
}

void TextBoxAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
  if (selectionIndex == 0) Box().setSelection(startOffset, endOffset - startOffset);
}

int TextBoxAccessible::cursorPosition() const { return Box().cursorPosition(); }

void TextBoxAccessible::setCursorPosition(int position) { Box().setCursorPosition(position); }

QString TextBoxAccessible::text(int startOffset, int endOffset) const {
  return Box().text().mid(startOffset, endOffset - startOffset);
}

int TextBoxAccessible::characterCount() const { return static_cast<int>(Box().text().size()); }

QRect TextBoxAccessible::characterRect(int offset) const {
  const QString text = Box().text();
  if (offset < 0 || offset >= text.size()) return {};
  const QFontMetrics metrics(Box().font());
  const QRect inside = Box().contentsRect().marginsRemoved(Box().textMargins());
  const int x = inside.left() + metrics.horizontalAdvance(text.left(offset));
  const QRect local(x, inside.top(), metrics.horizontalAdvance(text.at(offset)), inside.height());
  return {Box().mapToGlobal(local.topLeft()), local.size()};
}

int TextBoxAccessible::offsetAtPoint(const QPoint& point) const {
  return Box().cursorPositionAt(Box().mapFromGlobal(point));
}

void TextBoxAccessible::scrollToSubstring(int startIndex, int) { Box().setCursorPosition(startIndex); }

QString TextBoxAccessible::attributes(int, int* startOffset, int* endOffset) const {
  // One plain run over the whole text.
  *startOffset = 0;
  *endOffset = characterCount();
  return {};
}

}  // namespace rt::qt
