#pragma once
// What assistive technology calls each control that shows something, taken from what the
// window shows: captions, the labels beside the input fields, and what a picture depicts.
#include <string>

#include "Window.h"

namespace rt::qt {

// A text box or list: its row's label without the " =", after the first word of its frame's
// caption ("Hero Stats" holds the Hero's): "Hero Health", "Number of Enemies (1-5)".
std::string FieldName(const Window& window, const Control& field);

// A picture: what it shows at its place now: "Hero", "Enemy 3", "the Hero attacks",
// "turn arrow over Enemy 2", "battlefield".
std::string PictureName(const Window& window, const Control& picture);

// A shape, which only lies behind other controls: "message bar", "status panel".
std::string ShapeName(const Control& shape);

}  // namespace rt::qt
