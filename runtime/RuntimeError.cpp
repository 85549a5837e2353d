#include "RuntimeError.h"

#include <cstdio>
#include <cstdlib>

namespace rt {
namespace {

void PrintToStandardError(RuntimeErrorCode code) {
  std::fprintf(stderr, "%s %s\n", RuntimeErrorTitle(code).c_str(), RuntimeErrorName(code).c_str());
}

RuntimeErrorHandler& Handler() {
  static RuntimeErrorHandler handler = PrintToStandardError;
  return handler;
}

}  // namespace

std::string RuntimeErrorTitle(RuntimeErrorCode code) {
  return "Run-time error '" + std::to_string(static_cast<int>(code)) + "':";
}

std::string RuntimeErrorName(RuntimeErrorCode code) {
  switch (code) {
    case RuntimeErrorCode::Overflow: return "Overflow";
    case RuntimeErrorCode::SubscriptOutOfRange: return "Subscript out of range";
    case RuntimeErrorCode::TypeMismatch: return "Type mismatch";
  }
  return "Unknown error";
}

void SetRuntimeErrorHandler(RuntimeErrorHandler handler) { Handler() = std::move(handler); }

void RaiseRuntimeError(RuntimeErrorCode code) {
  Handler()(code);
  std::fflush(nullptr);
  std::_Exit(1);
}

}  // namespace rt
