#pragma once
// Run-time errors reported in the standard error box before the program ends.
namespace rt::qt {

void InstallErrorBox();

}  // namespace rt::qt
