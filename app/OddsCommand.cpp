#include "OddsCommand.h"

#include <cstdio>

namespace duelmark {

int PrintOdds(const OddsRequest& request) {
  const Odds::Figures figures =
      Odds::Summary(Odds::FightOnCores(request.settings, request.battles, request.seed, request.jobs), request.seed);
  const std::string text =
      request.json ? OddsJson(request.settings, figures) + "\n" : OddsText(request.settings, figures);
  std::fputs(text.c_str(), stdout);
  return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace duelmark
