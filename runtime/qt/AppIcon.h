#pragma once
// The program's icon, at every size built in, on every window and message box: put on them
// as soon as the first window has been painted.
namespace rt::qt {

void InstallApplicationIcon();

}  // namespace rt::qt
