#pragma once
// A control array: members 1 to N under one name; any other index is a subscript error.
#include <vector>

#include "Control.h"
#include "RuntimeError.h"

namespace rt {

class ControlArray {
 public:
  Control& operator()(int index) const {
    if (index < 1 || index > static_cast<int>(members_.size()))
      RaiseRuntimeError(RuntimeErrorCode::SubscriptOutOfRange);
    return *members_[static_cast<std::size_t>(index - 1)];
  }

 private:
  friend class Window;
  std::vector<Control*> members_;
};

}  // namespace rt
