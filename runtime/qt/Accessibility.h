#pragma once
// Assistive technology (a screen reader on the desktop's accessibility bus) hears every
// control that shows something, by a name and the role a user expects.
#include <QAccessibleInterface>
#include <QWidget>

namespace rt::qt {

// Labels read as text, frames as groups, pictures and shapes as graphics; Qt's own widgets
// (buttons, text boxes, lists) keep Qt's interfaces. For QAccessible::installFactory.
QAccessibleInterface* AccessibleControl(const QString& className, QObject* object);

// Names the widget; a new name is announced, the same name again is not.
void Rename(QWidget& widget, const QString& name);

}  // namespace rt::qt
