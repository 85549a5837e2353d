#pragma once
// One window as a panel of the page: a title bar with its caption and a close box over a
// client area of the window's designed size, holding an element for every control.
#include <map>
#include <memory>
#include <vector>

#include "ControlElement.h"
#include "Window.h"

namespace rt::web {

class WindowPanel {
 public:
  explicit WindowPanel(Window& window);
  ~WindowPanel();
  WindowPanel(const WindowPanel&) = delete;
  WindowPanel& operator=(const WindowPanel&) = delete;

  Window& Model() const { return window_; }
  ControlElement* ElementOf(const Control& control) const;
  // The control whose element has this number, if it takes input.
  Control* InputControl(int elementId) const;
  int Id() const { return panel_.Id(); }
  int CloseBoxId() const { return closeBox_.Id(); }

  void Show();
  void ApplyOuterHeight() const;

 private:
  void CreateElements();

  Window& window_;
  Element panel_;
  Element titleBar_;
  Element caption_;
  Element closeBox_;
  Element client_;
  std::map<const Control*, std::unique_ptr<ControlElement>> elements_;
  bool shown_ = false;
};

}  // namespace rt::web
