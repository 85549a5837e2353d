#pragma once
// A window held as data: its look, its control table in stacking order (topmost first)
// and its event procedures, which subclasses bind to their controls.
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "Control.h"
#include "ControlArray.h"

namespace rt {

class Runtime;

enum class BorderStyle { FixedSingle, FixedToolWindow };
// A frame is a main window; a dialog reports something and is read in full when it opens.
enum class WindowRole { Frame, Dialog };

struct WindowDesign {
  std::string caption{};
  double clientWidth = 0;  // twips
  double clientHeight = 0;
  std::optional<Rgb> backColor{};
  std::optional<Rgb> foreColor{};  // text colour of controls that name none
  BorderStyle border = BorderStyle::FixedSingle;
  bool minButton = false;
  bool maxButton = false;
  WindowRole role = WindowRole::Frame;
};

class Window {
 public:
  Window(std::string name, WindowDesign design);
  virtual ~Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  const std::string& Name() const { return name_; }
  // The runtime that loaded the window; its controls and views reach it through here.
  rt::Runtime& Runtime() const { return *runtime_; }
  const WindowDesign& Look() const { return design_; }
  const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }
  const std::vector<Control*>& Timers() const { return timers_; }

  bool Loaded() const { return loaded_; }
  bool Visible() const { return visible_; }
  std::optional<double> OuterHeight() const { return outerHeight_; }
  // The control with the keyboard focus, as the program or the user placed it; none while the
  // window itself has it.
  const Control* Focused() const { return focused_; }
  // Whether a frame in front of the control hides it (Covering.h); kept by the runtime.
  bool Covered(const Control& control) const;

  void Show();
  void Unload();
  void SetHeight(double twips);  // the outer height, title bar and borders included

  virtual void Form_Load() {}
  // The user closed the window by its title bar.
  virtual void UserClosed() { Unload(); }

 protected:
  Control& Add(ControlKind kind, std::string name, Design design);
  // A control array with members 1 to N, added in the given stacking order.
  ControlArray AddArray(ControlKind kind, const std::string& name, std::initializer_list<int> stackingOrder,
                        const std::function<Design(int index)>& design);

 private:
  friend class Runtime;
  Control& Keep(std::unique_ptr<Control> control);

  std::string name_;
  WindowDesign design_;
  rt::Runtime* runtime_ = nullptr;
  std::vector<std::unique_ptr<Control>> controls_;
  std::vector<Control*> timers_;  // the timers among the controls, scanned at every tick
  bool loaded_ = true;
  bool visible_ = false;
  bool shownBefore_ = false;
  std::optional<double> outerHeight_;
  Control* focused_ = nullptr;
  std::set<const Control*> covered_;
  // The control a frame covered while it had the focus; it has it back once uncovered.
  Control* coveredFocus_ = nullptr;
};

}  // namespace rt
