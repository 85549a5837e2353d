#include "WindowPanel.h"

#include <algorithm>

#include "Css.h"
#include "Pixels.h"
#include "Stacking.h"
#include "TabOrder.h"

namespace rt::web {
namespace {

struct Place {
  double top, left;
  int depth;  // how many frames hold the control
};

Place InWindow(const Control& control) {
  Place place{control.Top(), control.Left(), 0};
  for (const Control* frame = control.Container(); frame; frame = frame->Container()) {
    place.top += frame->Top();
    place.left += frame->Left();
    ++place.depth;
  }
  return place;
}

// Reading order: row by row from the top of the window, each row from the left; a frame
// before what it holds.
bool ReadsBefore(const Control* a, const Control* b) {
  const Place first = InWindow(*a), second = InWindow(*b);
  if (first.top != second.top) return first.top < second.top;
  if (first.left != second.left) return first.left < second.left;
  return first.depth < second.depth;
}

}  // namespace

WindowPanel::WindowPanel(Window& window)
    : window_(window),
      panel_(0, "section"),
      titleBar_(panel_.Id(), "div"),
      caption_(titleBar_.Id(), "span"),
      closeBox_(titleBar_.Id(), "button"),
      client_(panel_.Id(), "div") {
  const WindowDesign& look = window.Look();
  panel_.Set("class", "window");
  panel_.Hidden(true);
  panel_.Set("tabindex", "-1");
  const std::string captionId = "caption-" + std::to_string(caption_.Id());
  const std::string clientId = "client-" + std::to_string(client_.Id());
  caption_.Set("id", captionId);
  client_.Set("id", clientId);
  panel_.Set("aria-labelledby", captionId);
  if (look.role == WindowRole::Dialog) {
    // A dialog is read in full when it opens.
    panel_.Set("role", "dialog");
    panel_.Set("aria-describedby", clientId);
  } else {
    panel_.Set("role", "region");
  }
  web_listen_escape(panel_.Id());

  titleBar_.Set("class", "title-bar");
  caption_.Set("class", "title");
  caption_.Text(look.caption);
  closeBox_.Set("class", "close-box");
  closeBox_.Set("type", "button");
  closeBox_.Set("tabindex", "-1");
  web_name_close_box(closeBox_.Id());
  web_listen(closeBox_.Id());
  web_make_draggable(titleBar_.Id(), panel_.Id());

  client_.Set("class", "client");
  client_.Style("width", TwipsPx(look.clientWidth));
  client_.Style("height", TwipsPx(look.clientHeight));
  if (look.backColor) client_.Style("--face", CssColor(*look.backColor));
  ApplyFont(client_, {});
  CreateElements();
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

void WindowPanel::CreateElements() {
  const WindowDesign& look = window_.Look();
  const std::string textColor = look.foreColor ? CssColor(*look.foreColor) : "var(--window-text)";
  std::vector<Control*> reading;
  for (const auto& control : window_.Controls()) {
    if (control->Kind() != ControlKind::Timer) reading.push_back(control.get());
  }
  // The page reads its elements in the order they stand in.
  std::stable_sort(reading.begin(), reading.end(), ReadsBefore);
  for (Control* control : reading) {
    const int parent = control->Container() ? ElementOf(*control->Container())->Outer().Id() : client_.Id();
    elements_[control] = std::make_unique<ControlElement>(*control, parent, textColor);
  }
  for (Control* control : reading) {
    if (const Control* box = control->Look().labelFor) ElementOf(*control)->TieTo(*ElementOf(*box));
  }
  int level = 0;
  for (Control* control : BackToFront(window_)) ElementOf(*control)->Outer().Style("z-index", std::to_string(++level));
  int place = 0;
  for (Control* control : TabOrder(window_)) ElementOf(*control)->Outer().Set("tabindex", std::to_string(++place));
}

void WindowPanel::Show() {
  panel_.Hidden(false);
  if (shown_) return;
  shown_ = true;
  web_fit_to_view(panel_.Id());
  // The window itself has the focus until the runtime gives it to a control.
  web_focus(panel_.Id(), 0);
}

void WindowPanel::ApplyOuterHeight() const {
  if (const auto outer = window_.OuterHeight()) client_.Style("height", Px(ClientPixelsOfOuterHeight(*outer)));
}

}  // namespace rt::web
