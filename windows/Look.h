#pragma once
// Colours and fonts shared by the program's windows.
#include "Control.h"

namespace duelmark::look {

inline constexpr rt::Rgb kCyan{0, 255, 255};
inline constexpr rt::Rgb kDarkBlue{0, 0, 192};
inline constexpr rt::Rgb kWhite{255, 255, 255};
inline constexpr rt::Rgb kBlue{0, 0, 255};
// Text that names no colour of its own stands on the dark blue panels of the battle window,
// where the system's black would not be readable.
inline constexpr rt::Rgb kPanelText{255, 255, 170};

inline rt::FontSpec Comic(double points, bool bold) { return {"Comic Sans MS", points, bold}; }

}  // namespace duelmark::look
