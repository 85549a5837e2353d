#pragma once
// The windows' default font as the application's font, with Qt's own dialogs and menus
// left in the system's font.
namespace rt::qt {

void InstallApplicationFont();

}  // namespace rt::qt
