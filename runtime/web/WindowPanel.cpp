#include "WindowPanel.h"

#include "Css.h"
#include "Pixels.h"
#include "Stacking.h"
#include "TabOrder.h"

namespace rt::web {

WindowPanel::WindowPanel(Window& window)
    : window_(window),
      panel_(0, "section"),
      titleBar_(panel_.Id(), "div"),
      caption_(titleBar_.Id(), "span"),
      client_(panel_.Id(), "div"),
      closeBox_(panel_.Id(), "button") {
  const WindowDesign& look = window.Look();
  panel_.Set("class", "window");
  panel_.Hidden(true);
  const std::string captionId = "caption-" + std::to_string(caption_.Id());
  caption_.Set("id", captionId);
  // Every window is a dialog of the page, ARIA's word for a window in it: a screen reader says
  // its name as the focus enters it, and reads it in full when it takes the focus itself (the
  // report); a description besides would have the report read twice.
  panel_.Set("role", "dialog");
  panel_.Set("aria-labelledby", captionId);
  web_listen_escape(panel_.Id());

  titleBar_.Set("class", "title-bar");
  caption_.Set("class", "title");
  caption_.Set("tabindex", "-1");  // the focus's place when the window's control has lost it
  caption_.Text(look.caption);
  closeBox_.Set("class", "close-box");
  closeBox_.Set("type", "button");
  web_name_close_box(closeBox_.Id());
  web_listen(closeBox_.Id());
  web_make_draggable(titleBar_.Id(), panel_.Id());

  client_.Set("class", "client");
  client_.Style("width", TwipsPx(look.clientWidth));
  client_.Style("height", TwipsPx(look.clientHeight));
  if (look.backColor) client_.Style("--face", CssColor(*look.backColor));
  ApplyFont(client_, {});
  CreateElements(nullptr, client_.Id());
  // A window without a control that takes the focus is a stop of the tab order itself, so that
  // the keyboard reaches what it says; the others take the focus only when the runtime gives
  // it to them.
  const std::vector<Control*> order = TabOrder(window);
  panel_.Set("tabindex", order.empty() ? "0" : "-1");
  int level = 0;
  for (Control* control : BackToFront(window_)) ElementOf(*control)->Outer().Style("z-index", std::to_string(++level));
  for (const auto& control : window_.Controls()) {
    if (const Control* box = control->Look().labelFor) ElementOf(*control)->TieTo(*ElementOf(*box));
  }
  ApplyCover();
  ApplyOuterHeight();
}

WindowPanel::~WindowPanel() { web_remove(panel_.Id()); }

ControlElement* WindowPanel::ElementOf(const Control& control) const {
  const auto found = elements_.find(&control);
  return found == elements_.end() ? nullptr : found->second.get();
}

Control* WindowPanel::InputControl(int elementId) const {
  for (const auto& [control, element] : elements_) {
    if (element->Outer().Id() == elementId && element->TakesInput()) return &element->Model();
  }
  return nullptr;
}

void WindowPanel::CreateElements(const Control* container, int parentId) {
  std::vector<Control*> all, inside;
  for (const auto& control : window_.Controls()) {
    if (control->Kind() != ControlKind::Timer) all.push_back(control.get());
  }
  for (Control* control : all) {
    if (control->Container() == container) inside.push_back(control);
  }
  // The page's Tab follows the order of its elements.
  inside = ElementOrder(inside, all);
  const std::string textColor = window_.Look().foreColor ? CssColor(*window_.Look().foreColor) : "var(--window-text)";
  for (Control* control : inside) {
    auto& element = elements_[control] = std::make_unique<ControlElement>(*control, parentId, textColor);
    if (control->Kind() == ControlKind::Frame) CreateElements(control, element->Outer().Id());
  }
}

void WindowPanel::ApplyCover() const {
  for (const auto& [control, element] : elements_) {
    // Out of sight under a frame: out of the keyboard's reach and a screen reader's too.
    if (window_.Covered(*control)) {
      element->Outer().Set("inert", "");
    } else {
      element->Outer().Unset("inert");
    }
  }
}

void WindowPanel::Show() {
  panel_.Hidden(false);
  if (shown_) return;
  shown_ = true;
  web_fit_to_view(panel_.Id());
}

void WindowPanel::ApplyOuterHeight() const {
  if (const auto outer = window_.OuterHeight()) client_.Style("height", Px(ClientPixelsOfOuterHeight(*outer)));
}

}  // namespace rt::web
