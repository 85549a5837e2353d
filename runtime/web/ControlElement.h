#pragma once
// One control as the page's own element: a label, a text input, a list box, a button, a group
// for a frame, a picture or a shape, kept in step with the control's properties.
#include <string>

#include "Control.h"
#include "Page.h"

namespace rt::web {

class ControlElement {
 public:
  // textColor: the CSS colour of labels and frames that name none.
  ControlElement(Control& control, int parentId, const std::string& textColor);

  Control& Model() const { return control_; }
  const Element& Outer() const { return element_; }
  bool TakesInput() const;
  void Sync(Property property);
  void ShowAccessibleName() const;
  // Makes this label the label of the box.
  void TieTo(const ControlElement& box) const;

 private:
  void Place() const;
  void ShowCaption() const;

  Control& control_;
  Element element_;
  Element caption_;  // a frame's caption, in its border
};

}  // namespace rt::web
