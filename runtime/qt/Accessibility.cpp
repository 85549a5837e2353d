#include "Accessibility.h"

#include <QAccessibleWidget>

#include "LabelView.h"

namespace rt::qt {
namespace {

// A label reads its caption as it stands.
class LabelAccessible final : public QAccessibleWidget {
 public:
  explicit LabelAccessible(LabelView& label) : QAccessibleWidget(&label, QAccessible::StaticText) {}
  QString text(QAccessible::Text kind) const override {
    return kind == QAccessible::Name ? static_cast<const LabelView*>(widget())->Caption()
                                     : QAccessibleWidget::text(kind);
  }
};

}  // namespace

QAccessibleInterface* AccessibleControl(const QString&, QObject* object) {
  // Labels, frames, pictures and shapes are plain widgets to Qt, which would call them all
  // "client".
  auto* view = dynamic_cast<ControlView*>(object);
  if (!view) return nullptr;
  switch (view->Model().Kind()) {
    case ControlKind::Label: return new LabelAccessible(static_cast<LabelView&>(*view));
    case ControlKind::Frame: return new QAccessibleWidget(&view->Widget(), QAccessible::Grouping);
    case ControlKind::Image:
    case ControlKind::Shape: return new QAccessibleWidget(&view->Widget(), QAccessible::Graphic);
    default: return nullptr;
  }
}

void Rename(QWidget& widget, const QString& name) {
  if (widget.accessibleName() != name) widget.setAccessibleName(name);  // Qt announces it
}

}  // namespace rt::qt
