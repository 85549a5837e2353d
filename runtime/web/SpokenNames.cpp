#include "SpokenNames.h"

#include "AccessibleNames.h"
#include "Window.h"

namespace rt::web {

std::string SpokenName(const Control& control) {
  switch (control.Kind()) {
    case ControlKind::TextBox:
    case ControlKind::ListBox: return qt::FieldName(control.Owner(), control);
    case ControlKind::Image: return qt::PictureName(control.Owner(), control);
    case ControlKind::Shape: return qt::ShapeName(control);
    default: return control.Caption();
  }
}

}  // namespace rt::web
