#include "ListBoxView.h"

#include <QAccessible>
#include <QTimer>

#include "Runtime.h"

namespace rt::qt {

ListBoxView::ListBoxView(Control& control, QWidget* parent, const QFont& font)
    : QListWidget(parent), ControlView(control) {
  setFont(font);
  for (const auto& item : control.Look().items) addItem(QString::fromStdString(item));
  setSelectionMode(QAbstractItemView::SingleSelection);
  setCurrentRow(control.ListIndex());
  setGeometry(Geometry());
  setVisible(control.Visible());
  connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) control_.Owner().Runtime().UserEdit(control_, item(row)->text().toStdString());
  });
  // A Ctrl+click can clear a single selection: the list always keeps its item selected.
  // Assistive technology adds an item to the selection without making it current: then it
  // becomes the one chosen.
  connect(this, &QListWidget::itemSelectionChanged, this, [this] {
    const int chosen = control_.ListIndex();
    for (QListWidgetItem* selected : selectedItems()) {
      if (row(selected) != chosen) {
        setCurrentRow(row(selected));
        return;
      }
    }
    if (chosen >= 0 && !item(chosen)->isSelected()) item(chosen)->setSelected(true);
  });
}

void ListBoxView::Sync(Property property) {
  if (property == Property::Text) {
    if (currentRow() != control_.ListIndex()) setCurrentRow(control_.ListIndex());
    return;
  }
  ControlView::Sync(property);
}

void ListBoxView::focusInEvent(QFocusEvent* event) {
  QListWidget::focusInEvent(event);
  // Once the list's own focus has been announced, its chosen item takes it: a screen reader
  // then says the choice, not only how many items there are.
  QTimer::singleShot(0, this, [this] {
    if (!hasFocus() || currentRow() < 0 || !QAccessible::isActive()) return;
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(currentRow());
    QAccessible::updateAccessibility(&focus);
  });
}

void ListBoxView::Detach() {
  disconnect(this, &QListWidget::currentRowChanged, nullptr, nullptr);
  disconnect(this, &QListWidget::itemSelectionChanged, nullptr, nullptr);
}

}  // namespace rt::qt
