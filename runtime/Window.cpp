#include "Window.h"

#include "Runtime.h"

namespace rt {

Window::Window(std::string name, WindowDesign design) : name_(std::move(name)), design_(std::move(design)) {}

Control* Window::Find(std::string_view name, int index) const {
  for (const auto& control : controls_) {
    if (control->Name() == name && control->Index() == index) return control.get();
  }
  return nullptr;
}

void Window::Show() { Runtime::Current().Show(*this); }
void Window::Unload() { Runtime::Current().Unload(*this); }
void Window::SetHeight(double twips) { Runtime::Current().SetWindowHeight(*this, twips); }

Control& Window::Add(ControlKind kind, std::string name, Design design) {
  controls_.push_back(std::make_unique<Control>(*this, kind, std::move(name), 0, std::move(design)));
  return *controls_.back();
}

ControlArray Window::AddArray(ControlKind kind, const std::string& name, std::initializer_list<int> stackingOrder,
                             const std::function<Design(int index)>& design) {
  ControlArray array;
  array.members_.resize(stackingOrder.size(), nullptr);
  for (int index : stackingOrder) {
    controls_.push_back(std::make_unique<Control>(*this, kind, name, index, design(index)));
    array.members_.at(static_cast<std::size_t>(index - 1)) = controls_.back().get();
  }
  return array;
}

}  // namespace rt
