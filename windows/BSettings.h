#pragma once
// The launch: the settings window's texts become the battle state, and the battle window opens.

#include <string>
#include <variant>

#include "Control.h"
#include "Settings.h"

namespace duelmark::BSettings {

// Why a text is refused for the named field: the range, and how a fraction is read.
std::string Refusal(const std::string& name, char decimalSeparator);

// A text the battle cannot hold: its box and why.
struct Refused {
  rt::Control* box;
  std::string message;
};

// The setting in the settings window's texts, converted in launch order, or the first refused.
std::variant<Settings, Refused> ReadSetting();

// Converts every text in launch order and, when all are numbers the battle can hold, fills
// the battle state and shows the battle window. At the first text that is refused, it names
// the field in a message, puts the focus there and answers false with nothing written.
bool LaunchBattle();

}  // namespace duelmark::BSettings
