#include "WebTrace.h"

#include <string>

#include "Page.h"

namespace rt::web {

void InstallTrace(Runtime& runtime) {
  if (!web_page_asks_for("trace")) return;
  runtime.SetTraceSink([](std::string_view line) { web_trace(std::string(line).c_str()); });
}

}  // namespace rt::web
