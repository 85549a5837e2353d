#pragma once
// A text box as assistive technology reads it: its whole text, its selection and caret. Qt's
// own interface reports empty attribute runs, from which a screen reader builds the line and
// loses its last character.
#include <QAccessibleWidget>
#include <QLineEdit>

namespace rt::qt {

class TextBoxAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit TextBoxAccessible(QLineEdit& box);

  QAccessible::State state() const override;
  QString text(QAccessible::Text kind) const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
  int selectionCount() const override;
  void addSelection(int startOffset, int endOffset) override;
  void removeSelection(int selectionIndex) override;
  void setSelection(int selectionIndex, int startOffset, int endOffset) override;
  int cursorPosition() const override;
  void setCursorPosition(int position) override;
  QString text(int startOffset, int endOffset) const override;
  int characterCount() const override;
  QRect characterRect(int offset) const override;
  int offsetAtPoint(const QPoint& point) const override;
  void scrollToSubstring(int startIndex, int endIndex) override;
  QString attributes(int offset, int* startOffset, int* endOffset) const override;

 private:
  QLineEdit& Box() const { return static_cast<QLineEdit&>(*widget()); }
};

}  // namespace rt::qt
