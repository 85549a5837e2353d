// Duelmark in the browser: the same windows and runtime, drawn into the page.
#include <memory>

#include "BrowserClock.h"
#include "Launch.h"
#include "Page.h"
#include "PageLanguage.h"
#include "Runtime.h"
#include "RuntimeError.h"
#include "WebHost.h"
#include "WebTrace.h"

int main() {
  // The page lives on after main returns: so do the runtime and the host.
  // The trace's clock starts here.
  static rt::Runtime runtime(std::make_unique<rt::web::BrowserClock>(),
                             std::make_unique<rt::ClockSeededRandom>(rt::SystemClockTicks));
  rt::program = &runtime;
  rt::web::InstallTrace(runtime);
  rt::SetRuntimeErrorHandler([](rt::RuntimeErrorCode code) {
    const std::string report = rt::RuntimeErrorTitle(code) + "\n\n" + rt::RuntimeErrorName(code);
    web_trace(report.c_str());
    web_show_message(report.c_str());
    web_ended();
  });
  static rt::web::WebHost host(runtime);
  rt::web::StartInPageLanguage(DUELMARK_PAGE_LANGUAGES, duelmark::OpenFirstWindow);
  return 0;
}
