#include "OddsCommand.h"

#include <cstdio>
#include <fstream>

#include "CurvePlot.h"
#include "CurveText.h"
#include "OddsText.h"
#include "Texts.h"

namespace duelmark {
namespace {

int Printed(const std::string& text) {
  std::fputs(text.c_str(), stdout);
  return std::fflush(stdout) == 0 ? 0 : 1;
}

int PrintCurve(const OddsRequest& request) {
  const Curve curve{request.settings, *request.vary, Odds::Curve(request.settings, *request.vary, request.way),
                    request.target};
  if (request.plot) {
    std::ofstream file(*request.plot, std::ios::binary);
    file << CurveSvg(curve);
    file.close();
    if (!file) {
      const std::string refusal =
          // TRANSLATORS: after --plot FILE; {file} is the file's name as given.
          rt::Format(rt::Tr("The picture could not be written to {file}."), {{"file", *request.plot}});
      std::fprintf(stderr, "%s\n", refusal.c_str());
      return 1;
    }
  }
  if (request.json) return Printed(CurveJson(curve) + "\n");
  return Printed(request.csv ? CurveCsv(curve) : CurveText(curve));
}

}  // namespace

int PrintOdds(const OddsRequest& request) {
  if (request.vary) return PrintCurve(request);
  const Odds::Figures figures = Odds::WorkOut(request.settings, request.way);
  return Printed(request.json ? OddsJson(request.settings, figures) + "\n" : OddsText(request.settings, figures));
}

}  // namespace duelmark
