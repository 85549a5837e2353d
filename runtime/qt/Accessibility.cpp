#include "Accessibility.h"

#include <QAccessibleWidget>

#include "AnnouncerView.h"
#include "FormView.h"
#include "FrameView.h"
#include "ImageView.h"
#include "ShapeView.h"
#include "TextBoxAccessible.h"
#include "TextBoxView.h"

namespace rt::qt {

QAccessibleInterface* AccessibleControl(const QString&, QObject* object) {
  // Qt would call a plain widget "client", and a top-level one "filler".
  if (auto* form = dynamic_cast<FormView*>(object)) return new QAccessibleWidget(form, form->AccessibleRole());
  if (auto* frame = dynamic_cast<FrameView*>(object)) return new QAccessibleWidget(frame, QAccessible::Grouping);
  if (auto* image = dynamic_cast<ImageView*>(object)) return new QAccessibleWidget(image, QAccessible::Graphic);
  if (auto* shape = dynamic_cast<ShapeView*>(object)) return new QAccessibleWidget(shape, QAccessible::Graphic);
  if (auto* announcer = dynamic_cast<AnnouncerView*>(object)) {
    return new QAccessibleWidget(announcer, QAccessible::Notification);
  }
  if (auto* box = dynamic_cast<TextBoxView*>(object)) return new TextBoxAccessible(*box);
  return nullptr;
}

}  // namespace rt::qt
