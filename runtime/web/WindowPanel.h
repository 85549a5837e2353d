#pragma once
// One window as a panel of the page: a title bar with its caption over a client area of the
// window's designed size, holding an element for every control, and a close box drawn in the
// title bar.
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
  int CaptionId() const { return caption_.Id(); }

  void Show();
  void ApplyCover() const;
  void ApplyOuterHeight() const;

 private:
  // The elements of the controls that the container holds (the window's client area for none).
  void CreateElements(const Control* container, int parentId);

  Window& window_;
  Element panel_;
  Element titleBar_;
  Element caption_;
  // After the client area: the last stop of the window's tab order, as the page sees it.
  Element client_;
  Element closeBox_;
  std::map<const Control*, std::unique_ptr<ControlElement>> elements_;
  bool shown_ = false;
};

}  // namespace rt::web
