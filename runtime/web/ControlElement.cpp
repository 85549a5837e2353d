#include "ControlElement.h"

#include <algorithm>

#include "ControlLook.h"
#include "Css.h"
#include "ExactDecimal.h"
#include "Pixels.h"
#include "TabOrder.h"

namespace rt::web {
namespace {

const char* TagOf(const Control& control) {
  switch (control.Kind()) {
    case ControlKind::Label: return control.Look().labelFor ? "label" : "div";
    case ControlKind::TextBox: return "input";
    case ControlKind::ListBox: return "div";  // a list box of the page's own, below
    case ControlKind::CommandButton: return "button";
    case ControlKind::Image: return "img";
    default: return "div";
  }
}

const char* ClassOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::Label: return "control label";
    case ControlKind::TextBox: return "control text-box";
    case ControlKind::ListBox: return "control list-box";
    case ControlKind::CommandButton: return "control button";
    case ControlKind::Frame: return "control frame";
    case ControlKind::Image: return "control picture";
    case ControlKind::Shape: return "control shape";
    case ControlKind::Timer: break;
  }
  return "control";
}

// For the text of a label, and for the side that a one-line label keeps.
const char* SideOf(Alignment alignment) {
  switch (alignment) {
    case Alignment::Left: return "left";
    case Alignment::Right: return "right";
    case Alignment::Center: return "center";
  }
  return "left";
}

}  // namespace

ControlElement::ControlElement(Control& control, int parentId, const std::string& textColor)
    : control_(control), element_(parentId, TagOf(control)) {
  const Design& look = control.Look();
  element_.Set("class", ClassOf(control.Kind()));
  ApplyFont(element_, look.font);
  // Labels and frames take the window's text colour; the other controls keep their own.
  const bool windowText = control.Kind() == ControlKind::Label || control.Kind() == ControlKind::Frame;
  if (look.foreColor) {
    element_.Style("color", CssColor(*look.foreColor));
  } else if (windowText) {
    element_.Style("color", textColor);
  }
  if (look.backColor) element_.Style("background-color", CssColor(*look.backColor));

  switch (control.Kind()) {
    case ControlKind::Label:
      if (look.autoSize) {
        // One line that keeps its anchor: it grows away from the aligned edge.
        element_.Set("class", "control label auto-size");
        element_.Style("justify-content", SideOf(look.alignment));
      } else {
        element_.Style("text-align", SideOf(look.alignment));
      }
      break;
    case ControlKind::TextBox:
      element_.Set("type", "text");
      element_.Set("spellcheck", "false");
      element_.Set("autocomplete", "off");
      break;
    case ControlKind::ListBox:
      // A browser's own list box leaves Orca without its name and its arrow keys in browse mode;
      // a list box of the page, which keeps the focus on itself and names its choice as the
      // active one, is read and driven alike in every browser.
      element_.Set("role", "listbox");
      element_.Set("tabindex", "0");
      for (const std::string& item : look.items) web_add_option(element_.Id(), item.c_str());
      break;
    case ControlKind::CommandButton: element_.Set("type", "button"); break;
    case ControlKind::Frame:
      element_.Set("role", "group");
      caption_ = Element(element_.Id(), "span");
      caption_.Set("class", "frame-caption");
      caption_.Style("left", Px(kFrameCaptionIndent));
      caption_.Set("id", "caption-" + std::to_string(caption_.Id()));
      element_.Set("aria-labelledby", "caption-" + std::to_string(caption_.Id()));
      break;
    case ControlKind::Image:
      element_.Set("src", "pictures/" + look.picture + ".png");
      element_.Set("draggable", "false");
      if (look.stretch) element_.Set("class", "control picture stretched");
      break;
    case ControlKind::Shape: {
      element_.Set("role", "img");
      const double corner = ShapeCornerRadius(Pixels(control.Width()), Pixels(control.Height()));
      element_.Style("border-radius", ShortestDecimal(corner) + "px");
      break;
    }
    case ControlKind::Timer: break;
  }
  ShowCaption();
  ShowAccessibleName();
  if (control.Kind() == ControlKind::TextBox) web_set_value(element_.Id(), control.Text().c_str());
  if (control.Kind() == ControlKind::ListBox) web_set_selected(element_.Id(), control.ListIndex());
  Place();
  element_.Hidden(!control.Visible());
  if (!control.Enabled()) Sync(Property::Enabled);
  if (TakesInput()) web_listen(element_.Id());
}

bool ControlElement::TakesInput() const { return TakesFocus(control_.Kind()); }

void ControlElement::Sync(Property property) {
  switch (property) {
    case Property::Caption: ShowCaption(); break;
    case Property::Text:
      if (control_.Kind() == ControlKind::TextBox) web_set_value(element_.Id(), control_.Text().c_str());
      if (control_.Kind() == ControlKind::ListBox) web_set_selected(element_.Id(), control_.ListIndex());
      break;
    case Property::Visible: element_.Hidden(!control_.Visible()); break;
    case Property::Enabled:
      if (TakesInput()) {
        web_set_disabled(element_.Id(), !control_.Enabled());
      } else if (control_.Enabled()) {
        element_.Unset("aria-disabled");
      } else {
        element_.Set("aria-disabled", "true");
      }
      break;
    case Property::Left:
    case Property::Top:
    case Property::Width:
    case Property::Height: Place(); break;
    case Property::Interval: break;
  }
}

void ControlElement::Place() const {
  element_.Style("left", TwipsPx(control_.Left()));
  element_.Style("top", TwipsPx(control_.Top()));
  element_.Style("width", TwipsPx(control_.Width()));
  element_.Style("height", TwipsPx(control_.Height()));
}

void ControlElement::ShowAccessibleName() const {
  const std::string& name = control_.AccessibleName();
  if (control_.Kind() == ControlKind::Image) {
    element_.Set("alt", name);
  } else if (control_.Look().labelFor) {
    return;  // named by its caption, as labels are
  } else if (name.empty()) {
    element_.Unset("aria-label");
  } else {
    element_.Set("aria-label", name);
  }
}

void ControlElement::TieTo(const ControlElement& box) const {
  const std::string id = "box-" + std::to_string(box.Outer().Id());
  box.Outer().Set("id", id);
  element_.Set("for", id);
  // The box says the label's words in its own name; read again, they would be a stray label.
  if (!box.Model().AccessibleName().empty()) element_.Set("aria-hidden", "true");
}

void ControlElement::ShowCaption() const {
  switch (control_.Kind()) {
    case ControlKind::Label:
    case ControlKind::CommandButton: element_.Text(control_.Caption()); break;
    case ControlKind::Frame:
      caption_.Text(control_.Caption());
      caption_.Hidden(control_.Caption().empty());
      break;
    default: break;
  }
}

}  // namespace rt::web
