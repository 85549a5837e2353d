#include "RuntimeError.h"

#include <cstdio>
#include <cstdlib>

#include "Texts.h"

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
  // TRANSLATORS: the title of the box that reports a run-time error, above its name; {code} is
  // the error's number, as 9.
  return Format(Tr("Run-time error '{code}':"), {{"code", std::to_string(static_cast<int>(code))}});
}

std::string RuntimeErrorName(RuntimeErrorCode code) {
  switch (code) {
    // TRANSLATORS: a run-time error's name: a number grew past what it may hold.
    case RuntimeErrorCode::Overflow: return Tr("Overflow");
    // TRANSLATORS: a run-time error's name: a list was read at a place it does not have.
    case RuntimeErrorCode::SubscriptOutOfRange: return Tr("Subscript out of range");
    // TRANSLATORS: a run-time error's name: a value was of the wrong kind.
    case RuntimeErrorCode::TypeMismatch: return Tr("Type mismatch");
  }
  return Tr("Unknown error");
}

void SetRuntimeErrorHandler(RuntimeErrorHandler handler) { Handler() = std::move(handler); }

void RaiseRuntimeError(RuntimeErrorCode code) {
  Handler()(code);
  std::fflush(nullptr);
  std::_Exit(1);
}

}  // namespace rt
