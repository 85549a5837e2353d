#pragma once
// The Qt side of one control: a widget kept in step with the control's properties.
#include <QWidget>

#include "Control.h"

namespace rt::qt {

class ControlView {
 public:
  explicit ControlView(Control& control) : control_(control) {}
  virtual ~ControlView() = default;
  ControlView(const ControlView&) = delete;
  ControlView& operator=(const ControlView&) = delete;

  virtual QWidget& Widget() = 0;
  // Brings the widget up to date after a write of the property.
  virtual void Sync(Property property);
  // Stops the widget from reporting user input: its control is going away.
  virtual void Detach() {}
  // A frame in front covers the control: out of sight, the keyboard's reach and a screen
  // reader's, which a hidden widget is; the frame hides it from the eye already.
  void SetCovered(bool covered);

  Control& Model() const { return control_; }

 protected:
  // Where the widget stands in pixels; an auto-size label computes its own.
  virtual QRect Geometry() const;

  Control& control_;

 private:
  bool covered_ = false;
};

}  // namespace rt::qt
