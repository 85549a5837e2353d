#pragma once
// Shows the runtime's windows as panels of the page and wakes the runtime when a tick is due;
// the page's input comes back through it.
#include <map>
#include <memory>
#include <string>

#include "Runtime.h"
#include "WindowPanel.h"

namespace rt::web {

class WebHost final : public RuntimeObserver {
 public:
  explicit WebHost(Runtime& runtime);
  ~WebHost() override;
  WebHost(const WebHost&) = delete;
  WebHost& operator=(const WebHost&) = delete;

  // The host that the page's input goes to.
  static WebHost* Active();

  void WindowShown(Window& window) override;
  void WindowHeightChanged(Window& window) override;
  void WindowUnloaded(Window& window) override;
  void PropertyChanged(Control& control, Property property) override;
  void TimersChanged() override;
  void FocusRequested(Control& control, FocusWay way) override;
  void WindowFocused(Window& window, WindowFocus focus) override;
  void CoverChanged(Window& window) override;
  bool MessageShown(Window& over, const std::string& text) override;
  void AccessibleNameChanged(Control& control) override;
  void Announced(Control& announcer, const std::string& text) override;
  void Ended() override;

  // Input from the page, by element number.
  void Clicked(int elementId);
  void EnterPressed(int elementId);
  void Edited(int elementId, std::string text);
  void Focused(int elementId);
  bool EscapePressed(int panelId);  // answers whether the key was used
  void MessageClosed();
  void Tick();
  // The user has acted (the first time tells the page): reloading the page would now cut short
  // what they began, and a new build of it waits until the program ends.
  void UserActed();

 private:
  WindowPanel* PanelOf(const Window& window) const;
  ControlElement* ElementOf(const Control& control) const;
  Control* InputControl(int elementId) const;
  void LearnNumberFormat();

  Runtime& runtime_;
  bool numberFormatLearned_ = false;
  bool userActed_ = false;
  std::map<const Window*, std::unique_ptr<WindowPanel>> panels_;
};

}  // namespace rt::web
