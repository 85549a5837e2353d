#pragma once
// What a view of the runtime (the Qt backend) is told, so that it can draw the windows.
#include <string>

namespace rt {

class Control;
class Window;
enum class Property;

class RuntimeObserver {
 public:
  virtual ~RuntimeObserver() = default;
  virtual void WindowShown(Window& window) = 0;
  virtual void WindowHeightChanged(Window& window) = 0;
  // The window's object stays valid until the event that unloaded it has returned.
  virtual void WindowUnloaded(Window& window) = 0;
  virtual void PropertyChanged(Control& control, Property property) = 0;
  virtual void TimersChanged() = 0;
  virtual void FocusRequested(Control& control, bool selectAll) = 0;
  // For assistive technology: a control's new name, and a text to speak once.
  virtual void AccessibleNameChanged(Control& control) = 0;
  virtual void Announced(Control& announcer, const std::string& text) = 0;
  virtual void Ended() = 0;
};

}  // namespace rt
