#pragma once
// The program's icon, at every size built in, on every window and message box.
namespace rt::qt {

void InstallApplicationIcon();

}  // namespace rt::qt
