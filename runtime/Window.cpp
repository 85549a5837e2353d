#include "Window.h"

#include "Runtime.h"

namespace rt {

Window::Window(std::string name, WindowDesign design) : name_(std::move(name)), design_(std::move(design)) {}

bool Window::Covered(const Control& control) const { return covered_.contains(&control); }

void Window::Show() { runtime_->Show(*this); }
void Window::Unload() { runtime_->Unload(*this); }
void Window::SetHeight(double twips) { runtime_->SetWindowHeight(*this, twips); }

Control& Window::Add(ControlKind kind, std::string name, Design design) {
  return Keep(std::make_unique<Control>(*this, kind, std::move(name), 0, std::move(design)));
}

Control& Window::Keep(std::unique_ptr<Control> control) {
  if (control->Kind() == ControlKind::Timer) timers_.push_back(control.get());
  controls_.push_back(std::move(control));
  return *controls_.back();
}

ControlArray Window::AddArray(ControlKind kind, const std::string& name, std::initializer_list<int> stackingOrder,
                              const std::function<Design(int index)>& design) {
  ControlArray array;
  array.members_.resize(stackingOrder.size(), nullptr);
  for (int index : stackingOrder) {
    array.members_.at(static_cast<std::size_t>(index - 1)) =
        &Keep(std::make_unique<Control>(*this, kind, name, index, design(index)));
  }
  return array;
}

}  // namespace rt
