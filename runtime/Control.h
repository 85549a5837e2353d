#pragma once
// A control of a window, held as data: its design-time look and its current properties.
// Every write of a property goes through the runtime, which traces it and tells the view.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Clock.h"

namespace rt {

class Window;

enum class ControlKind { Label, TextBox, ListBox, CommandButton, Frame, Image, Shape, Timer };
enum class Property { Caption, Text, Visible, Enabled, Left, Top, Width, Height, Interval };
enum class Alignment { Left, Right, Center };
// What assistive technology takes a control for, where its kind alone does not say it: the
// announcer speaks each move of the battle once, whatever its caption shows.
enum class Role { ByKind, Announcer };
// How a control comes by the keyboard focus: from the program, with or without its whole text
// selected, or as its window's first focus, which arrives as Tab brings it (a text box then
// selects its text once the focus has been announced).
enum class FocusWay { Program, ProgramSelectingAll, FirstOfWindow };
// Whether a text box that takes the focus this way selects its whole text.
constexpr bool SelectsText(FocusWay way) { return way != FocusWay::Program; }
// Where a window's focus goes when none of its controls can have it: on the whole window, read
// in full, when it opens so (the report); on its caption, said alone, when its control has lost
// the focus (Start, pressed), where the whole window would be read again.
enum class WindowFocus { WholeWindow, Caption };
constexpr WindowFocus WindowFocusOf(FocusWay way) {
  return way == FocusWay::FirstOfWindow ? WindowFocus::WholeWindow : WindowFocus::Caption;
}

std::string_view PropertyName(Property property);

struct Rgb {
  std::uint8_t red = 0, green = 0, blue = 0;
  bool operator==(const Rgb&) const = default;
};

// An empty family means the window's default font.
struct FontSpec {
  std::string family{};
  double points = 0;
  bool bold = false;
};

class Control;

// How a control stands when its window is created. Positions and sizes are in twips,
// relative to the container (the window itself when there is none).
struct Design {
  Control* container = nullptr;
  double left = 0, top = 0, width = 0, height = 0;
  bool visible = true;
  bool enabled = true;
  std::string caption{};
  std::string text{};
  int interval = 0;  // milliseconds, for timers
  Alignment alignment = Alignment::Left;
  bool autoSize = false;  // a label sizes itself to its caption, keeping its anchor
  std::optional<Rgb> foreColor{};
  std::optional<Rgb> backColor{};
  FontSpec font{};
  std::string picture{};             // name of an image resource
  bool stretch = false;              // the picture is scaled to the control's size
  int tabIndex = -1;                 // place in the tab order; only text boxes, lists and buttons take the focus
  std::vector<std::string> items{};  // a list box's items
  // What assistive technology calls a control that shows no caption of its own: a box, a
  // picture, a shape. Labels, buttons and frames are called by their captions.
  std::string accessibleName{};
  Role role = Role::ByKind;
  Control* labelFor = nullptr;  // the box that this label names
};

class Control {
 public:
  Control(Window& owner, ControlKind kind, std::string name, int index, Design design);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  Window& Owner() const { return owner_; }
  ControlKind Kind() const { return kind_; }
  const std::string& Name() const { return name_; }
  int Index() const { return index_; }  // 0 when the control is not a member of an array
  std::string TraceName() const;        // "lblInfo" or "imgEnemy(2)"
  const Design& Look() const { return design_; }
  Control* Container() const { return design_.container; }

  const std::string& Caption() const { return caption_; }
  const std::string& Text() const { return text_; }  // for a list box, the selected item's text
  bool Visible() const { return visible_; }
  bool Enabled() const { return enabled_; }
  double Left() const { return left_; }
  double Top() const { return top_; }
  double Width() const { return width_; }
  double Height() const { return height_; }
  int Interval() const { return interval_; }
  int ListIndex() const;  // the selected item of a list box, -1 when none
  // Whether the control and every frame that holds it are visible.
  bool Shown() const;
  // Where the control stands in its window, the offsets of the frames that hold it added.
  double LeftInWindow() const;
  double TopInWindow() const;
  const std::string& AccessibleName() const { return accessibleName_; }

  void SetCaption(std::string caption);
  void SetText(std::string text);  // for a list box, selects the item with that text, if any
  void SetVisible(bool visible);
  void SetEnabled(bool enabled);
  void SetLeft(double twips);
  void SetTop(double twips);
  void SetWidth(double twips);
  void SetHeight(double twips);
  void SetInterval(int milliseconds);
  // Gives the control the keyboard focus; a text box may select its whole text.
  void SetFocus(bool selectAll = false);
  // For assistive technology only: neither traced nor shown on the screen.
  void SetAccessibleName(std::string name);
  void Announce(std::string text);  // spoken once, by an announcer

  void OnClick(std::function<void()> handler) { onClick_ = std::move(handler); }
  void OnTimer(std::function<void()> handler) { onTimer_ = std::move(handler); }

 private:
  friend class Runtime;
  void Written(Property property);

  Window& owner_;
  ControlKind kind_;
  std::string name_;
  int index_;
  Design design_;

  std::string caption_;
  std::string text_;
  std::string accessibleName_;
  bool visible_;
  bool enabled_;
  double left_, top_, width_, height_;
  int interval_;

  std::function<void()> onClick_;
  std::function<void()> onTimer_;

  // Timer scheduling, kept by the runtime.
  Micros due_ = 0;
  std::uint64_t dueOrder_ = 0;
};

}  // namespace rt
