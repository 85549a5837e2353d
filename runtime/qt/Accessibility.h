#pragma once
// Assistive technology (a screen reader on the desktop's accessibility bus) hears every
// window and every control that shows something, by a name and the role a user expects.
#include <QAccessibleInterface>

namespace rt::qt {

// Windows read as frames or dialogs, frames as groups, pictures and shapes as graphics, text
// boxes with their whole text, announcers as notifications; labels, buttons and lists keep
// Qt's interfaces. For QAccessible::installFactory.
QAccessibleInterface* AccessibleControl(const QString& className, QObject* object);

}  // namespace rt::qt
