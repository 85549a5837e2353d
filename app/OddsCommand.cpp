#include "OddsCommand.h"

#include <cstdio>

namespace duelmark {

int PrintOdds(const OddsRequest& request) {
  Odds::Run run(SettingsOf(request.setting), request.battles, request.seed);
  run.Fight(request.battles);
  const Odds::Figures figures = run.Summary();
  const std::string text =
      request.json ? OddsJson(request.setting, figures) + "\n" : OddsText(request.setting, figures);
  std::fputs(text.c_str(), stdout);
  return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace duelmark
