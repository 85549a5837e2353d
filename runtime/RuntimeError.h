#pragma once
// Run-time errors: the last-resort safety net for states the program's own rules never reach.
#include <functional>
#include <string>

namespace rt {

enum class RuntimeErrorCode : int { Overflow = 6, SubscriptOutOfRange = 9, TypeMismatch = 13 };

// "Run-time error '9':" and the error's name, as the standard error box shows them.
std::string RuntimeErrorTitle(RuntimeErrorCode code);
std::string RuntimeErrorName(RuntimeErrorCode code);

// The handler reports the error; if it returns, the program ends with a non-zero status.
using RuntimeErrorHandler = std::function<void(RuntimeErrorCode)>;
void SetRuntimeErrorHandler(RuntimeErrorHandler handler);

[[noreturn]] void RaiseRuntimeError(RuntimeErrorCode code);

}  // namespace rt
