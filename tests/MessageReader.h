#pragma once
// A user who reads every message box at once and closes it, handing its text on. It lives as
// long as its runtime; a test may put a view of its own in its place.
#include <functional>
#include <string>
#include <utility>

#include "Runtime.h"

namespace duelmark::testing {

class MessageReader final : public rt::RuntimeObserver {
 public:
  MessageReader(rt::Runtime& runtime, std::function<void(const std::string&)> read)
      : runtime_(runtime), read_(std::move(read)) {
    runtime_.SetObserver(this);
  }
  bool MessageShown(rt::Window&, const std::string& text) override {
    read_(text);
    runtime_.MessageClosed();
    return true;
  }

 private:
  rt::Runtime& runtime_;
  std::function<void(const std::string&)> read_;
};

}  // namespace duelmark::testing
