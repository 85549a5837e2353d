#pragma once
// What a view of the runtime (a backend) is told, so that it can draw the windows. Every
// notice does nothing by default: a listener overrides what it uses.
#include <string>

namespace rt {

class Control;
class Window;
enum class Property;
enum class FocusWay;
enum class WindowFocus;

class RuntimeObserver {
 public:
  virtual ~RuntimeObserver() = default;
  virtual void WindowShown(Window&) {}
  virtual void WindowHeightChanged(Window&) {}
  // The window's object stays valid until the event that unloaded it has returned.
  virtual void WindowUnloaded(Window&) {}
  virtual void PropertyChanged(Control&, Property) {}
  // The next tick is due at another moment (Runtime::MillisecondsToNextTick), or none is.
  virtual void TimersChanged() {}
  virtual void FocusRequested(Control&, FocusWay) {}
  // The window itself takes the keyboard focus, as a whole or on its caption (WindowFocusOf):
  // none of its controls can, as it first takes the focus or once its control has lost it.
  virtual void WindowFocused(Window&, WindowFocus) {}
  // Frames now cover other controls of the window than before (Window::Covered).
  virtual void CoverChanged(Window&) {}
  // A message box over the window. A view that shows it answers true and calls
  // Runtime::MessageClosed when the user has closed it; otherwise the runtime closes it at once.
  virtual bool MessageShown(Window&, const std::string&) { return false; }
  // For assistive technology: a control's new name, and a text to speak once.
  virtual void AccessibleNameChanged(Control&) {}
  virtual void Announced(Control&, const std::string&) {}
  virtual void Ended() {}
};

}  // namespace rt
