#include "ControlView.h"

#include "Units.h"

namespace rt::qt {

void ControlView::Sync(Property property) {
  switch (property) {
    case Property::Visible: Widget().setVisible(control_.Visible() && !covered_); break;
    case Property::Enabled: Widget().setEnabled(control_.Enabled()); break;
    case Property::Left:
    case Property::Top:
    case Property::Width:
    case Property::Height: Widget().setGeometry(Geometry()); break;
    default: break;
  }
}

void ControlView::SetCovered(bool covered) {
  if (covered == covered_) return;
  covered_ = covered;
  Sync(Property::Visible);
}

QRect ControlView::Geometry() const {
  return PixelRect(control_.Left(), control_.Top(), control_.Width(), control_.Height());
}

}  // namespace rt::qt
