#pragma once
// Shows the runtime's windows as panels of the page and drives its timers from the
// browser's clock; the page's input comes back through it.
#include <map>
#include <memory>
#include <string>

#include "BrowserClock.h"
#include "Runtime.h"
#include "WindowPanel.h"

namespace rt::web {

class WebHost final : public RuntimeObserver {
 public:
  WebHost(Runtime& runtime, BrowserClock& clock);
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
  void FocusRequested(Control& control, bool selectAll) override;
  void AccessibleNameChanged(Control& control) override;
  void Announced(Control& announcer, const std::string& text) override;
  void Ended() override;

  // Input from the page, by element number.
  void Clicked(int elementId);
  void Edited(int elementId, std::string text);
  void ChoiceCleared(int elementId);
  void Tick();

 private:
  WindowPanel* PanelOf(const Window& window) const;
  ControlElement* ElementOf(const Control& control) const;
  Control* InputControl(int elementId) const;
  Micros ShortestRunningInterval() const;

  Runtime& runtime_;
  BrowserClock& clock_;
  std::map<const Window*, std::unique_ptr<WindowPanel>> panels_;
  bool delivering_ = false;
};

}  // namespace rt::web
