#pragma once

namespace duelmark {

// Opens the program's first window.
void OpenFirstWindow();

}  // namespace duelmark
